#!/usr/bin/env python3
"""Writes analysis/lists/names.txt: common English given names and their familiar short forms,
each framed by '#', in alphabetical order.

The names come from miscfiles' propernames list. A name is kept when
- wamerican lists it too (so it is in common use), or it is one of the familiar short forms
  below that wamerican lacks;
- it is not mainly a surname, a place, a title, a figure of legend or fiction, or a name from
  another language (the lists below);
- the word classifier cannot confuse it with a frequent English word. A token counts as a name
  when it, or it without a final S, then without a final E, equals a listed name, and the token
  after a name is not classified at all. So "Tim" would turn "time" into a name and "Will" the
  verb "will": a name is dropped when it, or it followed by S, E or ES, is a lower-case word that
  is frequent in WordNet's semantic concordance or is a function word.

Usage: make_names.py [output]   (default: analysis/lists/names.txt)
"""

import os
import sys

import debian_sources as src

# Frequent names with no entry in wamerican, kept all the same.
FAMILIAR_FORMS = """
Alf Bea Chet Chip Deb Geoff Herb Iain Izzy Jen Jenn Jenni Kieran Liam Manny Margot Mikey Neville
Niall Nicky Norm Reg Syd Theo Wally Wes Woody
""".split()

SURNAMES = """
Anderson Briggs Butler Davis Gates Harris Hughes Hume Jacobson Jones Knudsen Mann Marsh Moore
Moran Mott Nguyen Olson Pratt Price Rabin Root Shaw Tran
""".split()

NOT_GIVEN_NAMES = """
Caesar Case Cinderella Claudius Ebeneezer Elvis Gaia Galahad Guinevere Gypsy Hamlet Hon Indiana
Indra Isis Jesus Job King Lancelot Lolita Lord Lucifer Madonna Major Mayo Mysore Oberon Oz
Ozymandias Page Pandora Po Presley Santa Son Spock Surya Tao Taurus Ti Tiberius Titania
""".split()

OTHER_LANGUAGES = """
Ahmed Alberto Alejandro Anatole Andreas Anton Antonio Boris Bruno Carlo Carlos Claudio Eduardo Emil
Ernst Erwin Francisco Francois Fritz Giovanni Guido Guillermo Hans Heinrich Heinz Hillel Hui Igor
Israel Jacques Jaime Johann Jorge Jose Juan Jun Klaus Konrad Lars Laurent Leif Lorenzo Luis Manuel
Marcel Marco Marcos Maria Mario Matthias Michel Mohammad Murat Nikolai Noemi Olaf Olivier Omar
Pablo Pascal Patrice Pedro Philippe Pierre Rafael Ramiro Ramon Raquel Raul Rene Ricardo Roberto
Rudolf Sergei Sergio Sigurd Sofia Sonja Stefan Stephan Tomas Valentin Vladimir Wolfgang
""".split()

# A lower-case word at least this frequent in the concordance makes a name too ambiguous.
FREQUENT_WORD_COUNT = 10


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        src.REPO_ROOT, "analysis", "lists", "names.txt")

    dictionary = src.american_english_words()
    listed = set(dictionary)
    lower_case_words = {w for w in dictionary if w[0].islower()}
    frequency = src.WordFrequency()
    excluded = set(SURNAMES) | set(NOT_GIVEN_NAMES) | set(OTHER_LANGUAGES)

    def ambiguous(name):
        base = name.lower()
        return any(form in lower_case_words and frequency(form) >= FREQUENT_WORD_COUNT
                   for form in (base, base + "s", base + "e", base + "es"))

    names = []
    for name in src.proper_names():
        if not name.isascii() or not name.isalpha():
            continue
        if name not in listed and name not in FAMILIAR_FORMS:
            continue
        if name in excluded or ambiguous(name):
            continue
        names.append(name)

    names = sorted(set(names), key=lambda n: (n.lower(), n))
    src.write_lines(output, [f"#{n}#" for n in names])
    print(f"{output}: {len(names)} names")


if __name__ == "__main__":
    main()
