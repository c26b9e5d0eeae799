#!/usr/bin/env python3
"""Writes analysis/lists/phrases.txt: common English stock phrases (idioms, phrasal verbs, fixed
combinations, connectives) and common abbreviations, ordered alphabetically without regard to
case.

Multi-word phrases are WordNet lemmas of two or more words (WordNet writes '_' for the spaces).
Left out are names of particular people, places and events (instance nouns), lemmas that WordNet
only ever writes capitalised (titles, organisations, species), lemmas with characters other than
letters, hyphens, apostrophes and full stops, lemmas made only of number words, and lemmas longer
than MAX_LENGTH characters. The rest are ranked by
- how often the lemma is tagged in WordNet's semantic concordance (cntlist.rev);
- how common its rarest word is: function words (miscfiles' connectives) count as the most
  common, other words by their own concordance counts;
- a bonus for verbs, adverbs and adjectives (phrasal verbs, connectives, idioms) and for phrases
  of three or more words, over noun compounds;
and the best PHRASE_COUNT are kept, topped up so that every initial letter has at least
MIN_PER_LETTER phrases.

Abbreviations are WordNet lemmas written in capitals (ABC) that wamerican lists in the same form,
leaving out those that could be read as an ordinary word or a name (US, Sam), and lemmas written
with full stops (a.k.a., Ph.D.) that WordNet writes in lower case or whose letters alone wamerican
lists.

The WordNet licence asks for its notice to go with works derived from the database: the script
writes it to NOTICE.txt beside the output.

Usage: make_phrases.py [output]   (default: analysis/lists/phrases.txt)
"""

import math
import os
import re
import string
import sys

import debian_sources as src

PHRASE_COUNT = 3450
MIN_PER_LETTER = 5
MAX_LENGTH = 46

NUMBER_WORDS = set("""
zero one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen
sixteen seventeen eighteen nineteen twenty thirty forty fifty sixty seventy eighty ninety hundred
thousand million billion trillion and a
""".split())

NOTICE_HEADER = """\
The stock-phrase list phrases.txt is drawn from WordNet 3.0, whose licence follows. The name list
names.txt is a selection of given names from GNU miscfiles' propernames list.

WordNet Release 3.0

"""

PHRASE_PATTERN = re.compile(r"[a-z][a-z'.\-]*( [a-z][a-z'.\-]*)+")
CAPITALS_PATTERN = re.compile(r"[A-Z]{3,6}")
DOTTED_PATTERN = re.compile(r"(?:[A-Za-z]{1,2}\.){2,}")


def phrase_score(tag_count, rarest_word, pos, words):
    score = 2.0 * math.log2(1 + tag_count) + math.log2(1 + min(rarest_word, 1000))
    if pos & {"v", "r", "a"}:
        score += 2.0
    if words >= 3:
        score += 1.5
    return score


def choose_phrases(lemmas, tag_counts, frequency):
    ranked = []
    for key, lemma in lemmas.items():
        if "_" not in key or lemma.is_instance or lemma.always_capitalised:
            continue
        phrase = key.replace("_", " ")
        if len(phrase) > MAX_LENGTH or not PHRASE_PATTERN.fullmatch(phrase):
            continue
        words = phrase.split(" ")
        if all(w in NUMBER_WORDS for w in words):
            continue
        rarest = min(frequency(w) for w in words)
        score = phrase_score(tag_counts.get(key, 0), rarest, lemma.pos, len(words))
        ranked.append((-score, phrase))
    ranked.sort()

    chosen = [p for _, p in ranked[:PHRASE_COUNT]]
    per_letter = {c: 0 for c in string.ascii_lowercase}
    for p in chosen:
        per_letter[p[0]] += 1
    for _, p in ranked[PHRASE_COUNT:]:
        if per_letter[p[0]] < MIN_PER_LETTER:
            chosen.append(p)
            per_letter[p[0]] += 1
    return chosen, per_letter


def choose_abbreviations(lemmas, dictionary):
    listed = set(dictionary)
    spellings_by_key = {}
    for word in dictionary:
        spellings_by_key.setdefault(word.lower(), set()).add(word)
    chosen = set()
    for key, lemma in lemmas.items():
        if "_" in key or lemma.is_instance:
            continue
        for spelling in lemma.spellings:
            if CAPITALS_PATTERN.fullmatch(spelling):
                if spelling not in listed:
                    continue
            elif DOTTED_PATTERN.fullmatch(spelling):
                # Written with full stops: wamerican lists the letters alone (PhD for Ph.D.),
                # or WordNet writes it in lower case (a.k.a., e.g.).
                if spelling.replace(".", "").lower() not in spellings_by_key and spelling != key:
                    continue
                chosen.add(spelling)
                continue
            else:
                continue
            # Phrase matching ignores case: "SAM" would also count the name "Sam".
            if any(other != spelling for other in spellings_by_key[spelling.lower()]):
                continue
            chosen.add(spelling)
    return sorted(chosen)


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        src.REPO_ROOT, "analysis", "lists", "phrases.txt")

    lemmas = src.wordnet_lemmas()
    frequency = src.WordFrequency()
    phrases, per_letter = choose_phrases(lemmas, frequency.counts, frequency)
    abbreviations = choose_abbreviations(lemmas, src.american_english_words())

    entries = sorted(set(phrases) | set(abbreviations), key=lambda p: (p.lower(), p))
    src.write_lines(output, entries)
    with open(os.path.join(os.path.dirname(output), "NOTICE.txt"), "w", encoding="ascii", newline="\n") as f:
        f.write(NOTICE_HEADER + src.wordnet_licence())
    print(f"{output}: {len(entries)} entries, {len(abbreviations)} abbreviations")
    print("phrases per initial letter:", " ".join(f"{c}={n}" for c, n in per_letter.items()))


if __name__ == "__main__":
    main()
