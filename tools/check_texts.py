#!/usr/bin/env python3
"""Checks the built-in texts: every key present, exact length, one paragraph.

Lengths count UTF-16 code units, as the program does. Run it after editing
anything under engine/data/*.json:  python3 tools/check_texts.py
"""
import json
import pathlib
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
    for p in problems:
        print(p)
    print("all texts in order" if not problems else f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
