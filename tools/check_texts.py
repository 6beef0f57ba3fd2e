#!/usr/bin/env python3
"""Checks the built-in texts: every key present, exact length, one paragraph,
and none of the stock phrasing that makes a family's readings sound alike.

Lengths count UTF-16 code units, as the program does. Run it after editing
anything under engine/data/*.json:  python3 tools/check_texts.py
"""
import json
import pathlib
import re
import sys

DATA = pathlib.Path(__file__).resolve().parent.parent / "engine" / "data"

LIFE_PATH = {1: 656, 2: 515, 3: 571, 4: 572, 5: 627, 6: 588, 7: 425, 8: 537,
             9: 445, 11: 402, 22: 537}
BIRTHDAY = {1: 231, 2: 309, 3: 354, 4: 312, 5: 256, 6: 314, 7: 368, 8: 286,
            9: 375, 10: 322, 11: 380, 12: 530, 13: 305, 14: 364, 15: 476,
            16: 414, 17: 449, 18: 368, 19: 392, 20: 256, 21: 419, 22: 310,
            23: 345, 24: 352, 25: 439, 26: 315, 27: 398, 28: 287, 29: 429,
            30: 434, 31: 588}
GEMS = {"Topaz": 573, "Ruby": 507, "Cat's eye": 526, "Amethyst": 482,
        "Sapphire": 586, "Diamond": 517, "Emerald": 492, "Moonstone": 338,
        "Coral": 724}
SUPPORT = [227, 211, 160, 196]
SOFTWARES = 615
# These two have a size "about", not an exact one.
ABOUT_RANGE = (270, 330)
FORUM_AD_RANGE = (105, 125)
# Read one after another, the texts must not fall into a formula.
MAX_BIRTHDAYS_OPENING_YOU_ARE = 8
STOCK_WORDS = ("truly", "great", "deeply", "naturally")
MAX_STOCK_WORD = 3
MAX_IS_BELIEVED = 3


def units(text):
    return len(text.encode("utf-16-le")) // 2


def problems_of(name, text, expected=None, between=None):
    found = []
    if not isinstance(text, str) or not text.strip():
        return [f"{name}: missing or empty"]
    n = units(text)
    if expected is not None and n != expected:
        found.append(f"{name}: {n} characters, wants {expected} ({expected - n:+d})")
    if between is not None and not between[0] <= n <= between[1]:
        found.append(f"{name}: {n} characters, wants {between[0]}-{between[1]}")
    if "\n" in text or "\r" in text:
        found.append(f"{name}: has a line break")
    if "  " in text.strip():
        found.append(f"{name}: has a run of blanks")
    return found


def formula_problems(texts):
    found = []
    of_kind = lambda kind: [t for name, t in texts.items() if name.startswith(kind)]
    you_are = sum(1 for t in of_kind("birthday ") if t.strip().startswith("You are"))
    if you_are > MAX_BIRTHDAYS_OPENING_YOU_ARE:
        found.append(f"{you_are} birthday texts open with 'You are', wants at most "
                     f"{MAX_BIRTHDAYS_OPENING_YOU_ARE}")
    openings = {}
    for name, text in texts.items():
        opening = " ".join(re.findall(r"[\w'-]+", text.lower())[:4])
        if opening in openings:
            found.append(f"{name}: opens like {openings[opening]} ('{opening}')")
        openings.setdefault(opening, name)
    everything = " ".join(texts.values())
    for word in STOCK_WORDS:
        n = len(re.findall(rf"\b{word}\b", everything, re.IGNORECASE))
        if n > MAX_STOCK_WORD:
            found.append(f"'{word}' {n} times, wants at most {MAX_STOCK_WORD}")
    believed = " ".join(of_kind("gem ")).count("is believed")
    if believed > MAX_IS_BELIEVED:
        found.append(f"gem descriptions: 'is believed' {believed} times, wants at most {MAX_IS_BELIEVED}")
    return found


def load(file):
    try:
        return json.loads((DATA / file).read_text(encoding="utf-8"))
    except (OSError, ValueError) as error:
        print(f"{file}: {error}")
        return {}


def main():
    problems = []
    life = load("lifepath.json")
    for key, length in LIFE_PATH.items():
        problems += problems_of(f"lifepath {key}", life.get(str(key)), length)
    birthday = load("birthday.json")
    for key, length in BIRTHDAY.items():
        text = birthday.get(str(key))
        problems += problems_of(f"birthday {key}", text, length)
        if key == 13 and isinstance(text, str) and not text.startswith(" "):
            problems.append("birthday 13: must begin with a space")
        if key != 13 and isinstance(text, str) and text.startswith(" "):
            problems.append(f"birthday {key}: begins with a space")
    gems = load("gemdescriptions.json")
    for key, length in GEMS.items():
        problems += problems_of(f"gem {key}", gems.get(key), length)
    program = load("program.json")
    support = program.get("support", [])
    for i, length in enumerate(SUPPORT):
        problems += problems_of(f"support {i}", support[i] if i < len(support) else None, length)
    problems += problems_of("softwaresCatalogue", program.get("softwaresCatalogue"), SOFTWARES)
    problems += problems_of("aboutDescription", program.get("aboutDescription"), between=ABOUT_RANGE)
    about = program.get("aboutDescription") or ""
    if about and not about.startswith("Gemvara"):
        problems.append("aboutDescription: must begin with 'Gemvara'")
    problems += problems_of("forumAdvertisement", program.get("forumAdvertisement"), between=FORUM_AD_RANGE)
    texts = {f"lifepath {k}": life.get(str(k)) for k in LIFE_PATH}
    texts.update({f"birthday {k}": birthday.get(str(k)) for k in BIRTHDAY})
    texts.update({f"gem {k}": gems.get(k) for k in GEMS})
    texts.update({f"support {i}": t for i, t in enumerate(support)})
    for key in ("softwaresCatalogue", "forumAdvertisement", "aboutDescription"):
        texts[key] = program.get(key)
    texts = {k: t for k, t in texts.items() if isinstance(t, str)}
    problems += formula_problems(texts)
    for p in problems:
        print(p)
    print("all texts in order" if not problems else f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
