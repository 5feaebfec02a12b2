#!/usr/bin/env python3
"""sorvanta-lookup on the sample modules built from whole Bibles: thousands of
single verses, ranges and chapters, typed with English and Russian book
abbreviations in any letter case and in the reference forms users type, each
compared byte for byte with the text the sample generator put into the book.

Usage: cli_samples_test.py SORVANTA_LOOKUP SAMPLES_DIR
"""
import os
import random
import sys
import unittest

from cases import main, run

SAMPLES = sys.argv[2]

# Book abbreviations by book number, read from the modules' own ini files.
MODULES = {"kjv": 0, "web": 1}
WHITE_SPACE = " \t\n\v\f\r"


def read_abbreviations(module):
    with open(os.path.join(SAMPLES, "modules", module, "orvanel.ini"), "rb") as ini:
        lines = ini.read().decode("cp1251").splitlines()
    books = [line.split("=", 1)[1].split() for line in lines if line.startswith("ShortName =")]
    first_book = 0 if module == "kjv" else 39
    return {first_book + i: names for i, names in enumerate(books)}


def read_expected(module):
    """{book: {chapter: {verse: text}}} with the text as it reads in code page 1251."""
    books = {}
    with open(os.path.join(SAMPLES, "expected", module + ".tsv"), encoding="utf-8") as expected:
        for line in expected:
            book, chapter, verse, text = line.rstrip("\n").split("\t")
            text = text.encode("cp1251", errors="replace").decode("cp1251")
            books.setdefault(int(book), {}).setdefault(int(chapter), {})[int(verse)] = text
    return books


def passage(verses, first, last):
    """The cleaned text of verses first..last: the first number removed, the others kept."""
    parts = [verses[first]] + [f"{number} {verses[number]}" for number in range(first + 1, last + 1)]
    return "\r\n".join(parts).rstrip(WHITE_SPACE)


def typed_book(rng, names):
    name = rng.choice(names)
    return rng.choice([name, name.upper(), name.lower()])


def make_cases(rng, abbreviations, books, count):
    """[(typed reference, expected quotation or None for not found)]."""
    cases = []
    for _ in range(count):
        number = rng.choice(sorted(books))
        chapters = books[number]
        chapter = rng.choice(sorted(chapters))
        verses = chapters[chapter]
        book = typed_book(rng, abbreviations[number])
        kind = rng.random()
        verse = rng.choice(sorted(verses))
        if not verses[verse]:
            continue  # a verse the translation leaves empty quotes its bare number
        if kind < 0.55:
            form = rng.choice(["{b} {c}:{v}", "{b}{c}:{v}", "{b} {c},{v}", "{b} {c} {v}", "  {b} {c}:{v} "])
            typed = form.format(b=book, c=chapter, v=verse)
            cases.append((typed, typed + ". " + verses[verse]))
        elif kind < 0.8:
            last = rng.randint(verse, max(verses))
            if last == verse:
                continue
            form = rng.choice(["{b} {c}:{v}-{l}", "{b} {c}:{v} - {l}", "{b} {c}.{v}-{l}"])
            typed = form.format(b=book, c=chapter, v=verse, l=last)
            cases.append((typed, typed + ". " + passage(verses, verse, last)))
        elif kind < 0.9:
            typed = f"{book} {chapter}"
            text = f"Chapter {chapter}\r\n" + "\r\n".join(f"{v} {t}" for v, t in sorted(verses.items()))
            cases.append((typed, typed + ". " + text.rstrip(WHITE_SPACE)))
        else:
            missing = rng.choice([
                f"{book} {max(chapters) + 1}",
                f"{book} {chapter}:0",
                f"{book} 0:1",
                f"{book} {chapter}:{verse}-{verse}",
                f"Xyz {chapter}:{verse}",
                f"{book} {chapter}:{max(verses) + 1}",
            ])
            cases.append((missing, None))
    return cases


class SampleModules(unittest.TestCase):
    def check_module(self, module, count, seed):
        rng = random.Random(seed)
        cases = make_cases(rng, read_abbreviations(module), read_expected(module), count)
        stdin = "".join(typed + "\n" for typed, _ in cases).encode()
        result = run(["--directory", os.path.join(SAMPLES, "modules"), "--module-index", str(MODULES[module]), "--null"],
                     stdin)
        records = result.stdout.decode().split("\0")
        self.assertEqual(len(records), len(cases) + 1)
        mismatches = [(typed, expected, got) for (typed, expected), got in zip(cases, records)
                      if got != (expected or "")]
        self.assertEqual(mismatches[:3], [])
        found = sum(1 for _, expected in cases if expected)
        self.assertEqual(result.returncode, 0 if found == len(cases) else 1)
        print(f"{module}: {len(cases)} references, {found} found, all as expected")

    def test_kjv(self):
        self.check_module("kjv", 3000, 1)

    def test_web_new_testament(self):
        self.check_module("web", 1500, 2)


if __name__ == "__main__":
    main()
