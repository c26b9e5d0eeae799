#!/usr/bin/env python3
"""Writes data/Dct.txt, the English dictionary that ships beside the program, and its licence
notice data/Dct-LICENSE.txt, from wamerican's word list (SCOWL).

Each word is written in lower case and framed by '#', one a line, in ASCII. Only words made of
the letters A-Z and the apostrophe are kept, since the word classifier looks up nothing else;
accented letters are replaced by their bare letters first (cafe for café). Possessives (dog's)
are left out when the classifier's ending rules already reduce them to a listed word (dog's
loses the S and then the apostrophe, leaving DOG); contractions that no rule reduces (don't,
can't, o'clock) stay.

Usage: make_dictionary.py [output-folder]   (default: data/)
"""

import os
import shutil
import sys
import unicodedata

import debian_sources as src

LICENCE_SOURCE = "/usr/share/doc/wamerican/copyright"


def ascii_form(word):
    """The word with accents taken off its letters, or None when anything else remains."""
    bare = "".join(c for c in unicodedata.normalize("NFKD", word) if not unicodedata.combining(c))
    if bare and all(("a" <= c <= "z") or ("A" <= c <= "Z") or c == "'" for c in bare):
        return bare.lower()
    return None


def found_by_endings(word, dictionary):
    """Whether the classifier finds the word in the dictionary through its ending rules, not
    counting the word itself: candidate and dictionary entries upper-cased, each removal applied
    to what the earlier ones left."""
    token = word.upper()
    if token.endswith("IES") and token[:-3] + "Y" in dictionary:
        return True
    candidate = token
    steps = (  # (applies to the candidate, characters removed)
        (lambda c: c.endswith("S"), 1),
        (lambda c: len(c) > 1 and c[-1] in ("'", "\x92"), 1),
        (lambda c: c.endswith("E"), 1),
        (lambda c: len(c) > 3 and c.endswith("ING"), 3),
        (lambda c: len(c) > 1 and c.endswith("D"), 1),
        (lambda c: len(c) > 1 and c.endswith("E"), 1),
    )
    for applies, removed in steps:
        if applies(candidate):
            candidate = candidate[:-removed]
            if candidate in dictionary:
                return True
    return False


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(src.REPO_ROOT, "data")

    words = set()
    for word in src.american_english_words():
        converted = ascii_form(word)
        if converted and converted.strip("'"):
            words.add(converted)

    plain = {w.upper() for w in words if not w.endswith("'s")}
    kept = sorted(w for w in words
                  if not w.endswith("'s") or not found_by_endings(w, plain))

    with open(os.path.join(folder, "Dct.txt"), "wb") as f:
        for word in kept:
            f.write(f"#{word}#\n".encode("ascii"))
    src.require(LICENCE_SOURCE, "wamerican")
    shutil.copyfile(LICENCE_SOURCE, os.path.join(folder, "Dct-LICENSE.txt"))
    print(f"{folder}/Dct.txt: {len(kept)} words")


if __name__ == "__main__":
    main()
