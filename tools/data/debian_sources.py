"""Readers for the Debian word lists that the data scripts draw from.

Every source is a file installed by a Debian package, so the generated data can be rebuilt
offline:

- wamerican:     /usr/share/dict/american-english
- miscfiles:     /usr/share/dict/propernames.gz, /usr/share/dict/connectives.gz
- wordnet-base:  /usr/share/wordnet/
"""

import collections
import gzip
import os
import re
import sys

DICT_DIR = "/usr/share/dict"
WORDNET_DIR = "/usr/share/wordnet"

AMERICAN_ENGLISH = os.path.join(DICT_DIR, "american-english")
PROPERNAMES = os.path.join(DICT_DIR, "propernames.gz")
CONNECTIVES = os.path.join(DICT_DIR, "connectives.gz")

WORDNET_POS = {"noun": "n", "verb": "v", "adj": "a", "adv": "r"}

REPO_ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def require(path, package):
    if not os.path.exists(path):
        sys.exit(f"missing {path}: install the Debian package '{package}'")


def american_english_words():
    """The wamerican word list, one entry per line, as Unicode strings."""
    require(AMERICAN_ENGLISH, "wamerican")
    with open(AMERICAN_ENGLISH, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip()]


def proper_names():
    require(PROPERNAMES, "miscfiles")
    with gzip.open(PROPERNAMES, "rt", encoding="latin-1") as f:
        return [line.strip() for line in f if line.strip()]


def connectives():
    """The most frequent English function words."""
    require(CONNECTIVES, "miscfiles")
    with gzip.open(CONNECTIVES, "rt", encoding="latin-1") as f:
        return {line.strip().lower() for line in f if line.strip()}


def wordnet_tag_counts():
    """Semantic-concordance tag counts summed over all senses, by lower-case lemma."""
    path = os.path.join(WORDNET_DIR, "cntlist.rev")
    require(path, "wordnet-base")
    counts = collections.Counter()
    with open(path, encoding="latin-1") as f:
        for line in f:
            fields = line.split()
            if len(fields) == 3:
                counts[fields[0].split("%")[0]] += int(fields[2])
    return counts


def wordnet_exceptions():
    """Irregular inflected forms mapped to their base forms (went -> go)."""
    bases = collections.defaultdict(set)
    for pos in WORDNET_POS:
        path = os.path.join(WORDNET_DIR, f"{pos}.exc")
        require(path, "wordnet-base")
        with open(path, encoding="latin-1") as f:
            for line in f:
                fields = line.split()
                if len(fields) >= 2:
                    bases[fields[0]].update(fields[1:])
    return bases


class Lemma:
    """What the WordNet data files say about one lower-case lemma."""

    def __init__(self):
        self.spellings = set()   # as written in the synsets, '_' for spaces
        self.pos = set()         # n, v, a, r
        self.noun_senses = 0
        self.instance_senses = 0  # noun senses that name one particular person, place or event

    @property
    def is_instance(self):
        return self.pos == {"n"} and self.noun_senses > 0 and self.instance_senses == self.noun_senses

    @property
    def always_capitalised(self):
        return all(any(c.isupper() for c in s) for s in self.spellings)


def wordnet_lemmas():
    """Every lemma of the WordNet data files, keyed by its lower-case form."""
    lemmas = collections.defaultdict(Lemma)
    for pos, letter in WORDNET_POS.items():
        path = os.path.join(WORDNET_DIR, f"data.{pos}")
        require(path, "wordnet-base")
        with open(path, encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue  # licence header
                fields = line.split(" | ")[0].split()
                word_count = int(fields[3], 16)
                # Adjectives may carry a syntactic marker such as "(p)".
                words = [re.sub(r"\([a-z]+\)$", "", fields[4 + 2 * i]) for i in range(word_count)]
                pointer_count = int(fields[4 + 2 * word_count])
                pointers = [fields[5 + 2 * word_count + 4 * j] for j in range(pointer_count)]
                instance = letter == "n" and "@i" in pointers
                for word in words:
                    lemma = lemmas[word.lower()]
                    lemma.spellings.add(word)
                    lemma.pos.add(letter)
                    if letter == "n":
                        lemma.noun_senses += 1
                        if instance:
                            lemma.instance_senses += 1
    return lemmas


class WordFrequency:
    """A rough frequency for single English words: function words rank highest, other words by
    their tag counts in WordNet's semantic concordance, after irregular and regular inflections
    are reduced to a base form."""

    FUNCTION_WORD = 100000

    def __init__(self):
        self.counts = wordnet_tag_counts()
        self.exceptions = wordnet_exceptions()
        self.function_words = connectives()

    def _bases(self, word):
        yield word
        yield from self.exceptions.get(word, ())
        if word.endswith("'s"):
            yield word[:-2]
        for suffix, replacement in (("ies", "y"), ("es", ""), ("s", ""), ("ed", ""), ("ed", "e"),
                                    ("ing", ""), ("ing", "e"), ("er", ""), ("est", "")):
            if word.endswith(suffix) and len(word) > len(suffix) + 2:
                yield word[: -len(suffix)] + replacement

    def __call__(self, word):
        word = word.lower()
        if word in self.function_words:
            return self.FUNCTION_WORD
        return max(self.counts.get(base, 0) for base in self._bases(word))


def wordnet_licence():
    """The WordNet 3.0 licence text from wordnet-base's copyright file."""
    path = "/usr/share/doc/wordnet-base/copyright"
    require(path, "wordnet-base")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    paragraph = text.split("License: WordNet3.0\n", 1)[1].split("\n\n", 1)[0]
    # Debian's copyright format indents the text and writes empty lines as " .".
    return "\n".join("" if line.strip() == "." else line[1:] for line in paragraph.split("\n")) + "\n"


def write_lines(path, lines):
    """Writes one item a line, LF line ends, in Windows-1252."""
    with open(path, "wb") as f:
        for line in lines:
            f.write(line.encode("cp1252") + b"\n")
