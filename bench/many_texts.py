#!/usr/bin/env python3
"""Times quendry-cli on many texts: rank one text against 1,000 samples, a matrix of 200 texts
with two threads, and an evaluation of 500 problems, all of texts of about 5 KB cut from the
public-domain novels. Prints each run's best wall time of three and its peak memory.

    bench/many_texts.py build-release/bin/quendry-cli [CORPUS_FOLDER]

The corpus folder defaults to $QUENDRY_CORPUS or ../shared/corpus beside the checkout.
"""
import os
import pathlib
import sys
import tempfile
import time


def pieces(corpus, size, count):
    """`count` texts of about `size` bytes: consecutive paragraphs of the novels in turn."""
    novels = sorted(corpus.glob("*.txt"))
    if not novels:
        sys.exit(f"no novels in {corpus}")
    paragraphs = []
    for novel in novels:
        text = novel.read_text(encoding="utf-8-sig").replace("\r\n", "\n")
        paragraphs.append([p for p in text.split("\n\n") if len(p.split()) > 3])
    result = []
    cursor = [0] * len(novels)
    while len(result) < count:
        n = len(result) % len(novels)
        piece = ""
        while len(piece) < size:
            piece += paragraphs[n][cursor[n] % len(paragraphs[n])] + "\r\n\r\n"
            cursor[n] += 1
        result.append(piece)
    return result


def run(arguments):
    """Best wall time of three runs, and the largest peak memory, of one command."""
    best = None
    peak = 0
    for _ in range(3):
        start = time.perf_counter()
        pid = os.fork()
        if pid == 0:
            devnull = os.open(os.devnull, os.O_WRONLY)
            os.dup2(devnull, 1)
            os.execv(arguments[0], arguments)
        _, status, usage = os.wait4(pid, 0)
        elapsed = time.perf_counter() - start
        if os.waitstatus_to_exitcode(status) != 0:
            sys.exit(f"failed: {' '.join(arguments)}")
        best = elapsed if best is None else min(best, elapsed)
        peak = max(peak, usage.ru_maxrss)
    return best, peak / 1024


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cli = os.path.abspath(sys.argv[1])
    corpus = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else os.environ.get(
        "QUENDRY_CORPUS", pathlib.Path(__file__).resolve().parent.parent.parent / "shared" / "corpus"))
    texts = pieces(corpus, 5000, 1200)
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        (root / "Template").mkdir()
        for i, text in enumerate(texts[:1000]):
            (root / "Template" / f"sample {i:04}.tqd").write_bytes(text.encode("cp1252", "replace"))
        (root / "questioned.txt").write_bytes(texts[1000].encode("utf-8"))
        for i, text in enumerate(texts[:200]):
            (root / f"m{i:03}.txt").write_bytes(text.encode("utf-8"))
        (root / "list.txt").write_text("".join(f"m{i:03}.txt\n" for i in range(200)))
        lines = ["first,second,label"]
        for i in range(500):
            a, b = (2 * i) % 1200, (2 * i + 7) % 1200
            (root / f"p{a}.txt").write_bytes(texts[a].encode("utf-8"))
            (root / f"p{b}.txt").write_bytes(texts[b].encode("utf-8"))
            lines.append(f"p{a}.txt,p{b}.txt,{'Y' if i % 2 else 'N'}")
        (root / "pairs.csv").write_text("\n".join(lines) + "\n")

        cases = [
            ("rank 1 text against 1,000 samples (files read)",
             [cli, "rank", str(root / "questioned.txt"), "--samples", str(root / "Template")]),
            ("rank, one thread", [cli, "rank", "-j", "1", str(root / "questioned.txt"), "--samples", str(root / "Template")]),
            ("matrix of 200 texts (19,900 pairs), -j 2", [cli, "matrix", "-j", "2", "--list", str(root / "list.txt")]),
            ("evaluate 500 pairs", [cli, "evaluate", "--pairs", str(root / "pairs.csv")]),
        ]
        print("| Run | Wall time, best of 3 | Peak memory |")
        print("|---|---|---|")
        for name, arguments in cases:
            seconds, megabytes = run(arguments)
            print(f"| {name} | {seconds:.2f} s | {megabytes:.0f} MB |")


if __name__ == "__main__":
    main()
