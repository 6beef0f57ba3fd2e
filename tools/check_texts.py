#!/usr/bin/env python3
"""Checks the built-in texts: every key present, exact length, one paragraph,
none of the stock phrasing that makes a family's readings sound alike, the
reader always addressed as "you", no slip that once shipped, and no run of
words shared by two number texts (a reading shows any life path text beside
any birthday text).

The catalogue of each other language (engine/data/<language>/) has every
key of the English, one paragraph a text, the reader addressed one way
throughout ("tú" in Spanish, "आप" in Hindi, "você" in Portuguese) and none
of that language's stock phrases; the English lengths do not bind it.

The interface's translations (translations/*.ts) say each sentence of a
message once, quote with the marks their catalogue uses (‘…’, «…», “…”)
rather than straight ones, and write no Latin "Softwares" in a Devanagari
sentence.

Lengths count UTF-16 code units, as the program does. Run it after editing
anything under engine/data/*.json or translations/*.ts:
  python3 tools/check_texts.py [data folder [translations folder]]
python3 tools/check_texts.py --self-test  checks the checker's own rules.
"""
import itertools
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

DATA = pathlib.Path(__file__).resolve().parent.parent / "engine" / "data"
TS = pathlib.Path(__file__).resolve().parent.parent / "translations"

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
MAX_BIRTHDAYS_OPENING_YOU_ARE = 3
STOCK_WORDS = ("truly", "great", "deeply", "naturally")
MAX_STOCK_WORD = 3
MAX_IS_BELIEVED = 3
# Set phrases a reader has met a hundred times; each one reads as filler.
STOCK_IDIOMS = (
    r"stand(s|ing)? on (your|their|one's) own (two )?feet", r"lift(s|ing)? the mood",
    r"as easily as breathing", r"to the core", r"opens? (many|new|the) doors?",
    r"ups and downs", r"lets? (them|you|anyone) down", r"give an inch", r"follow the crowd",
    r"the air you breathe", r"heart (can |will )?rules?", r"slowly but surely",
    r"second nature", r"(spread|spreading) yourself thin", r"way with words",
    r"brings? out the best", r"turn your hand to", r"chart your own course",
    r"gently but firmly", r"the makings of", r"where (your|the) heart (is|lives)",
    r"the hub of", r"set(s)? you apart", r"win(s)? (people|them) over", r"runs? deep",
    r"\ba born \w+", r"beneath the surface", r"hold(s)? no fears", r"see (it|them) through",
    r"(whole|wider|bigger) picture", r"eyes (tend to )?turn", r"at heart",
    r"far and wide", r"smooth your path", r"wears? you down", r"full of charm",
    r"the spotlight", r"ahead of (their|its|your) time", r"the inner voice",
    r"feel like a cage", r"there to be solved", r"with a sure hand",
    r"(rise|rises|rising|rose) and (fall|falls|falling|fell)", r"moods? (\w+ )?swing(s|ing)?",
    r"(it all|everything) (becomes?|became|gets?|got) too much",
    r"dreamers? (rather )?than (a )?doers?",
    r"pull(s|ed|ing)? (\w+ )?in (all|every|two|many) directions",
    r"(keep|keeps|keeping|kept) (your|their) feelings to (yourself|themselves)",
    r"family (comes?|came) first", r"role[- ]models?", r"joys? and sorrows?", r"step[- ]by[- ]step",
    r"without wasting (a|one) (minute|moment)", r"hop(e|es|ed|ing) for the best",
    r"what (lies|lay) beneath", r"(come|comes|came|coming) alive", r"high hopes?",
    r"(everything|all) in (its|their) place", r"(sooner|rather) lead than follow",
    r"(hold|holds|holding|held) (\w+ )?society together", r"things (have|had) always been done",
    r"year after year", r"(as long as|however long) it takes",
    r"learn(s|t|ed|ing)? (\w+ )?by doing",
    r"look(s|ed|ing)? to (you|them) for (guidance|advice|direction)",
    r"ask(s|ed|ing)? (for )?(little|nothing) in return",
    r"(stand|stands|standing|stood) by (\w+ )?through (hard|thick|difficult|tough) times",
    r"the (task|job) at hand", r"of rare beauty",
)
# Claims nobody can check, stated as fact or as a promise.
OVERSTATEMENTS = (
    r"nobody else (has )?ever", r"(always|long) have done", r"nothing is (harder|more|better)",
    r"have long advised", r"the \d+(st|nd|rd|th) is a day of", r"for millennia",
    r"throughout the ages", r"long been called", r"was long the stone of royalty",
    # Lore belongs to those who hold it: crystal healers, Vedic astrologers.
    r"tradition (also )?(says|holds|links|values|teaches)",
)
# Wording that once shipped and said something it did not mean, or nothing.
SLIPS = (
    (r"(hours|days|evenings|moments)( \w+){0,3} (are|were) when", "a time called a 'when'"),
    (r"persuad(e|es|ed|ing) \w+ to (your|their) side", "persuade someone, or win them over"),
    (r"(when|if) they do", "'they do' that leaves the reader to guess who does what"),
    (r"\A(?:(?!\s['‘“\"]\w).)*?(?P<shown>\b(those|these) words)", "words that were never said"),
    (r"learning to (honour|balance|embrace) both", "a sentence that says nothing"),
    (r"turns? up when needed", "a sentence that says nothing"),
    (r"(that|this) (blend|mix) of \w+ and \w+ makes you", "a sentence that says nothing"),
    (r"skeletons? of tiny creatures", "coral is laid down by living polyps"),
    # "Orvanta Softwares" is the range's name, not a plural of "software".
    (r"softwares such as", "'Softwares' as a plural noun"),
)
# Gem texts place astrology in its tradition and agree on how long a stone
# is worn on trial.
ASTROLOGY = r"\bastrolog(y|ers?|ical)\b"
# What a gem text must name: the Moon is moonstone's planet, and red coral
# grows in the Atlantic as well as the Mediterranean.
MUST_NAME = {"gem Moonstone": ("Moon", "the planet it stands for"),
             "gem Coral": ("Atlantic", "where red coral grows")}
TRIAL = (r"\btrial (?:of|for) (?:about |around |some )?"
         r"((?:a few|a|one|two|three|several|\d+) (?:days?|weeks?))")
# The other languages: how the reader must never be addressed, the name of
# a master number, and the set phrases a reader of that language has met a
# hundred times. A Devanagari word is bounded by anything that is not one.
DEVANAGARI_WORD = r"(?<![\u0900-\u097F]){}(?![\u0900-\u097F])"
TRANSLATIONS = {
    "es": {
        "other address": r"\b(usted(es)?|vosotr[oa]s|vuestr[oa]s?)\b",
        "master number": "número maestro",
        "stock": (r"altibajos", r"subidas y bajadas", r"paso a paso", r"poco a poco",
                  r"día a día", r"luces y sombras", r"alegrías y penas",
                  r"la familia es lo primero", r"modelo a seguir", r"cobrar vida",
                  r"grandes esperanzas", r"a flor de piel", r"don de gentes", r"líder nato",
                  r"con los pies en la tierra", r"tomar las riendas", r"contra viento y marea",
                  r"pase lo que pase", r"sin prisa pero sin pausa", r"voluntad de hierro",
                  r"abrir puertas", r"brillar con luz propia", r"dejar huella",
                  r"marcar la diferencia", r"salir adelante", r"en cuerpo y alma"),
    },
    "hi": {
        "other address": DEVANAGARI_WORD.format("(तुम(को|से)?|तू|तुम्हारा|तुम्हारी|तुम्हारे|तुम्हें|तेरा|तेरी|तेरे|तुझे|तुझ(को|से))"),
        "master number": "मास्टर अंक",
        "stock": ("उतार-चढ़ाव", "कदम-दर-कदम", "सुख-दुख", "रोल मॉडल", "परिवार सबसे पहले",
                  "बड़ी-बड़ी उम्मीदें", "जन्मजात नेता", "अपने पैरों पर खड़े", "भीड़ से अलग",
                  "चार चाँद", "सोने पे सुहागा", "अंतरात्मा की आवाज़", "नई ऊँचाइयों",
                  "सपनों को साकार", "सकारात्मक ऊर्जा", "जोश और जुनून", "हार नहीं मानते",
                  "दिन दूनी रात चौगुनी", "मेहनत रंग लाती", "शब्दों के जादूगर"),
    },
    "pt_BR": {
        "other address": r"\b(tu|te|ti|contigo|teus?|tuas?|vós|vos|convosco|voss[oa]s?"
                         r"|[oa] senhora?|[oa]s senhor(es|as))\b",
        "master number": "número mestre",
        "stock": (r"altos e baixos", r"passo a passo", r"pouco a pouco", r"dia após dia",
                  r"luz própria", r"fa(z|zem|zer|ça|çam|ria) a diferença",
                  r"deix\w* (a )?(sua|seu) marca", r"de corpo e alma",
                  r"família (vem )?em primeiro lugar", r"líder nato", r"pés? no chão",
                  r"abr\w* (\w+ )?portas", r"volta por cima", r"zona de conforto",
                  r"à flor da pele", r"contra tudo e contra todos", r"aconteça o que acontecer",
                  r"vontade de ferro", r"rédeas", r"(exemplo|modelo) a seguir",
                  r"alegrias e tristezas", r"energia positiva", r"devagar e sempre"),
    },
}
# Quotation marks: straight ones, standing at a word's edge (an apostrophe
# inside a word is not one), and the typographic pairs a catalogue may use.
STRAIGHT_QUOTE = r"(?<!\w)['\"]|['\"](?!\w)"
TYPOGRAPHIC_QUOTES = "‘’“”«»"
# The publisher's range is written in the script of the sentence around it.
LATIN_SOFTWARES = r"\bSoftwares\b"
DEVANAGARI = r"[\u0900-\u097F]"
# The texts are written in British English.
AMERICAN = (
    r"easygoing", r"\bcolor", r"\bcenter", r"\bfavor", r"\bhonor", r"\bjewelry",
    r"\btraveler", r"\b(organi|reali|recogni|harmoni|energi)z",
)
# The days whose number is, or adds up to, a master number say so.
MASTER_DAYS = (11, 22, 29)
# Number texts speak to the reader as "you". A "they" or "them" there must
# point back to people, or to things, named in its sentence or the one
# before; with none of these words in reach it is taken to mean the reader.
THEY = r"\b(they|them|their|theirs|themselves)\b"
OTHERS = (
    "others", "people", "friends", "family", "colleagues", "partners", "parents", "children",
    "everyone", "those", "ideas", "goals", "decisions", "relationships", "fortunes",
)
READER_IN_THIRD_PERSON = (
    r"\b(those|people|anyone|someone|persons?|natives?) born\b",
    r"\b(people|those|anyone) (with|of) (this|that|your) (number|birthday|day)",
    r"\bsuch (people|natives|persons)\b",
)
# The same short run of words in any two number texts reads as an echo: a
# run of four with a word that carries meaning, or a run of three with two.
ECHO_RUN = 4
SHORT_ECHO_RUN = 3
LITTLE_WORDS = set("""a an the and or but of to in on at for with by from as is are be
    you your yours it its this that what who which than then so if not no
    can may will would one two has have do does was all up out into over
    when where while there these those also too very just about""".split())


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


def idiom_problems(texts):
    found = []
    for name, text in texts.items():
        # Phrases match whole words ("at heart", not "that heart"); spellings
        # also match the start of a longer word ("colours").
        for kind, patterns, end in (("stock idiom", STOCK_IDIOMS, r"\b"),
                                    ("overstatement", OVERSTATEMENTS, r"\b"),
                                    ("American spelling", AMERICAN, "")):
            for pattern in patterns:
                for match in re.finditer(rf"\b(?:{pattern}){end}", text, re.IGNORECASE):
                    found.append(f"{name}: {kind} '{match.group(0)}'")
    return found


def slip_problems(texts):
    found = []
    for name, text in texts.items():
        for pattern, why in SLIPS:
            for match in re.finditer(rf"(?<!\w)(?:{pattern})(?!\w)", text, re.IGNORECASE):
                found.append(f"{name}: {why}: '{match.groupdict().get('shown') or match.group(0)}'")
    return found


def gem_problems(texts):
    found, trials = [], {}
    for name, text in texts.items():
        for sentence in sentences(text):
            if re.search(ASTROLOGY, sentence, re.IGNORECASE) and "Vedic" not in sentence:
                found.append(f"{name}: astrology with no 'Vedic' in its sentence: '{sentence}'")
        for match in re.finditer(TRIAL, text, re.IGNORECASE):
            trials.setdefault(match.group(1).lower(), name)
    for name, (word, why) in MUST_NAME.items():
        if name in texts and not re.search(rf"\b{word}\b", texts[name]):
            found.append(f"{name}: never names {word}, {why}")
    if len(trials) > 1:
        found.append("gem texts disagree on the trial: " +
                     ", ".join(f"'{period}' ({name})" for period, name in trials.items()))
    return found


def sentences(text):
    return [s for s in re.split(r"(?<=[.!?])\s+", text.strip()) if s]


def words(text):
    return re.findall(r"[a-z0-9]+(?:['’-][a-z0-9]+)*", text.lower())


def pronoun_problems(name, text):
    found = []
    if not re.search(r"\byou(r|rs|rself)?\b", text, re.IGNORECASE):
        found.append(f"{name}: never speaks to the reader as 'you'")
    previous = ""
    for sentence in sentences(text):
        for pattern in READER_IN_THIRD_PERSON:
            match = re.search(pattern, sentence, re.IGNORECASE)
            if match:
                found.append(f"{name}: speaks of the reader in the third person: "
                             f"'{match.group(0)}'")
        for match in re.finditer(THEY, sentence, re.IGNORECASE):
            before = set(words(previous + " " + sentence[:match.start()]))
            if not before & set(OTHERS):
                found.append(f"{name}: '{match.group(0)}' has no one named just before it and may "
                             f"mean the reader: '{sentence}'")
        previous = sentence
    return found


def stems(text):
    """The words of a text without a plural "s" ("matter" and "matters" are
    the same echo)."""
    return [word[:-1] if word not in LITTLE_WORDS and len(word) > 3 and re.search(r"[^s]s$", word)
            else word for word in words(text)]


def shared_stretches(text, other):
    """The stretches of text made of runs of words that other has too."""
    mine, theirs, covered = stems(text), stems(other), set()
    for length, meaningful in ((ECHO_RUN, 1), (SHORT_ECHO_RUN, 2)):
        their_runs = {tuple(theirs[i:i + length]) for i in range(len(theirs) - length + 1)}
        for i in range(len(mine) - length + 1):
            run = tuple(mine[i:i + length])
            if run in their_runs and len([w for w in run if w not in LITTLE_WORDS]) >= meaningful:
                covered.update(range(i, i + length))
    written, stretches = words(text), []
    for i in sorted(covered):
        if i - 1 in covered:
            stretches[-1] += " " + written[i]
        else:
            stretches.append(written[i])
    return stretches


def echo_problems(texts):
    """A reading shows any life path text beside any birthday text, and one
    translator reads them all: no two number texts share a run of words."""
    found = []
    for (name, text), (other_name, other) in itertools.combinations(texts.items(), 2):
        for stretch in shared_stretches(text, other):
            found.append(f"{name} and {other_name} share '{stretch}'")
    return found


def load(data, file):
    try:
        return json.loads((data / file).read_text(encoding="utf-8"))
    except (OSError, ValueError) as error:
        print(f"{file}: {error}")
        return {}


def translation_problems(data):
    """Each other language's catalogue beside the English one."""
    found = []
    files = ("lifepath.json", "birthday.json", "gemdescriptions.json", "program.json")
    for language, rules in TRANSLATIONS.items():
        for file in files:
            english, translated = load(data, file), load(data / language, file)
            for key, text in english.items():
                name = f"{language}/{file[:-5]} {key}"
                theirs = translated.get(key)
                items = (zip(range(len(text)), theirs or []) if isinstance(text, list)
                         else [(None, theirs)])
                if isinstance(text, list) and len(theirs or []) != len(text):
                    found.append(f"{name}: {len(theirs or [])} texts, wants {len(text)}")
                for index, own in items:
                    label = name if index is None else f"{name} {index}"
                    found += problems_of(label, own)
                    if not isinstance(own, str):
                        continue
                    if re.search(rules["other address"], own, re.IGNORECASE):
                        found.append(f"{label}: addresses the reader another way")
                    for phrase in rules["stock"]:
                        if re.search(phrase, own, re.IGNORECASE):
                            found.append(f"{label}: stock phrase '{phrase}'")
            for key in translated.keys() - english.keys():
                found.append(f"{language}/{file[:-5]} {key}: no such English text")
        birthday = load(data / language, "birthday.json")
        for day in MASTER_DAYS:
            if rules["master number"] not in str(birthday.get(str(day), "")):
                found.append(f"{language}/birthday {day}: does not name its master number")
        about = load(data / language, "program.json").get("aboutDescription", "")
        if not str(about).startswith("Gemvara"):
            found.append(f"{language}/aboutDescription: must begin with 'Gemvara'")
    return found


def ts_messages(path):
    """Each finished translation of a Qt Linguist file, by its English
    source, with its line breaks (stored as <byte value="xd"/>) as breaks."""
    def text(element):
        parts = [element.text or ""]
        for child in element:
            parts.append("\n" if child.tag == "byte" else "".join(child.itertext()))
            parts.append(child.tail or "")
        return "".join(parts)
    messages = []
    for message in ET.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        if translation is None or translation.get("type") in ("obsolete", "vanished"):
            continue
        forms = translation.findall("numerusform") or [translation]
        messages += [(text(message.find("source")), text(form)) for form in forms]
    return messages


def ts_problems(name, messages, typographic):
    """One translation file's messages: no sentence said twice in one
    message, no straight quotes where the catalogue quotes typographically,
    no Latin "Softwares" in a Devanagari sentence."""
    found = []
    for source, text in messages:
        label = f"{name} '{source[:40]}'"
        said = [s.strip() for s in re.split(r"(?<=[.!?।])\s+|\n+", text) if s.strip()]
        for sentence in sorted({s for s in said if said.count(s) > 1}):
            found.append(f"{label}: says '{sentence}' {said.count(sentence)} times")
        if typographic and re.search(STRAIGHT_QUOTE, text):
            found.append(f"{label}: straight quotes where the catalogue uses {typographic}: '{text}'")
        for sentence in said:
            if re.search(DEVANAGARI, sentence) and re.search(LATIN_SOFTWARES, sentence):
                found.append(f"{label}: Latin 'Softwares' in a Devanagari sentence: '{sentence}'")
    return found


def translation_file_problems(data, folder):
    """Every translations/gemvara_<language>.ts beside its catalogue."""
    found = []
    for path in sorted(pathlib.Path(folder).glob("gemvara_*.ts")):
        language = path.stem[len("gemvara_"):]
        catalogue = "".join(f.read_text(encoding="utf-8")
                            for f in sorted((data / language).glob("*.json")))
        typographic = "".join(c for c in TYPOGRAPHIC_QUOTES if c in catalogue)
        found += ts_problems(path.name, ts_messages(path), typographic)
    return found


def check(data, translations=TS):
    problems = []
    life = load(data, "lifepath.json")
    for key, length in LIFE_PATH.items():
        problems += problems_of(f"lifepath {key}", life.get(str(key)), length)
    birthday = load(data, "birthday.json")
    for key, length in BIRTHDAY.items():
        text = birthday.get(str(key))
        problems += problems_of(f"birthday {key}", text, length)
        if key == 13 and isinstance(text, str) and not text.startswith(" "):
            problems.append("birthday 13: must begin with a space")
        if key != 13 and isinstance(text, str) and text.startswith(" "):
            problems.append(f"birthday {key}: begins with a space")
    gems = load(data, "gemdescriptions.json")
    for key, length in GEMS.items():
        problems += problems_of(f"gem {key}", gems.get(key), length)
    program = load(data, "program.json")
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
    problems += idiom_problems(texts)
    problems += slip_problems(texts)
    problems += gem_problems({name: t for name, t in texts.items() if name.startswith("gem ")})
    for name, text in texts.items():
        if name.startswith(("lifepath ", "birthday ")):
            problems += pronoun_problems(name, text)
    problems += echo_problems({name: t for name, t in texts.items()
                               if name.startswith(("lifepath ", "birthday "))})
    for day in MASTER_DAYS:
        if "master number" not in texts.get(f"birthday {day}", "master number"):
            problems.append(f"birthday {day}: does not name its master number")
    return problems + translation_problems(data) + translation_file_problems(data, translations)


# Rows for --self-test: a number text, and the start of the problem it must
# give (None: it must pass). Several are slips that once shipped.
SELF_TEST = (
    ("A settled home suits you, and numerologists have long advised those born on the 31st to "
     "marry early, since a stable partnership gives them a firm base.", "speaks of the reader"),
    ("You are loyal, and you stand by them through hard times.", "'them' has no one"),
    ("Independence suits them well.", "'them' has no one"),
    ("Friends trust you, and you stand by them.", None),
    ("You care for others and make their lives easier.", None),
    ("Others expect much of you. Live by your standards, not theirs.", None),
    ("Numbers speak to the patient.", "never speaks to the reader"),
    ("Your careful way with money gives you a solid footing, and you build slowly but surely.",
     "stock idiom 'slowly but surely'"),
    ("Your Heart can rule your head.", "stock idiom 'Heart can rule'"),
    ("A born leader, you are fair.", "stock idiom 'A born leader'"),
    ("You keep that heart of yours open.", None),
    ("On the surface you are easygoing and friendly.", "American spelling 'easygoing'"),
    ("You often find original solutions that nobody else has ever thought of.", "overstatement"),
    ("You keep your goals with integrity; the 17th is a day of principle.", "overstatement"),
    ("Your fortunes rose and fell, and you kept your feelings to yourself.",
     "stock idiom 'rose and fell'"),
    ("Colleagues looked to you for guidance.", "stock idiom 'looked to you for guidance'"),
    ("Quiet hours spent alone are when you think best.", "a time called a 'when'"),
    ("You can persuade anyone to your side.", "persuade someone"),
    ("You rarely say so; let the people you love hear those words.", "words that were never said"),
    ("You say 'thank you' often, and people like to hear those words.", None),
)
# Gem texts side by side, and the start of the problem they must give.
SELF_TEST_GEMS = (
    ({"gem Coral": "Astrologers link it with Mars."}, "astrology with no 'Vedic'"),
    ({"gem Ruby": "In Vedic astrology it belongs to Mars."}, None),
    ({"gem Topaz": "Wear it for a trial of a few days.",
      "gem Sapphire": "Keep it on trial for about a week."}, "disagree on the trial"),
    ({"gem Moonstone": "Moonstone glows like moonlight on water."}, "never names Moon"),
)
# A sentence in another language, and whether it addresses the reader in
# the way that language's texts must not.
SELF_TEST_ADDRESS = (
    ("es", "Si usted lo desea, hágalo.", True),
    ("es", "Si tú lo deseas, hazlo; usa tus dones.", False),
    ("hi", "तुमको यह अच्छा लगेगा।", True),
    ("hi", "आपको यह अच्छा लगेगा, तूफ़ान के बाद भी।", False),
    ("pt_BR", "Isso te ajuda a crescer.", True),
    ("pt_BR", "Até hoje, sua atitude e seus estudos novos ajudam você a crescer.", False),
)
# A translated message, the typographic quotes its catalogue uses, and the
# start of the problem it must give (None: it must pass).
SELF_TEST_TS = (
    ("इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है\nक्या आप अपडेट की जाँच करना चाहेंगे?\n"
     "क्या आप अपडेट की जाँच करना चाहेंगे?", "", "says 'क्या आप अपडेट"),
    ("ब्योरा \"सहायता\" में देखें।", "‘’", "straight quotes"),
    ("ब्योरा ‘सहायता’ में देखें। Gemvara's", "‘’", None),
    ("Orvanta Softwares डाउनलोड करें", "", "Latin 'Softwares'"),
)
SELF_TEST_PAIRS = (
    ("You are a visionary with a light.", "Born today, you are a visionary too.",
     "share 'you are a visionary'"),
    ("Pick the talent that matters most.", "Choose the projects that matter most.",
     "share 'that matters most'"),
    ("Caring for others is easy for you.", "You find caring for others a joy.",
     "share 'caring for others'"),
    ("You care for other people.", "Other people care for you.", None),
    ("Words come readily to you.", "Order comes readily to you.", "share 'come readily to you'"),
    ("You do best when you lead.", "That serves you best when you pause.", None),
    ("A puzzle is a game to you, and you play.", "Order means much to you, and you keep it.", None),
)


def self_test():
    failures = []
    for text, wanted in SELF_TEST:
        found = (idiom_problems({"t": text}) + slip_problems({"t": text})
                 + pronoun_problems("t", text))
        if (wanted is None and found) or (wanted and not any(wanted in p for p in found)):
            failures.append(f"{text!r}: wants {wanted!r}, gives {found}")
    for one, other, wanted in SELF_TEST_PAIRS:
        found = echo_problems({"lifepath 1": one, "birthday 2": other})
        if (wanted is None and found) or (wanted and not any(wanted in p for p in found)):
            failures.append(f"{one!r} / {other!r}: wants {wanted!r}, gives {found}")
    for gems, wanted in SELF_TEST_GEMS:
        found = gem_problems(gems)
        if (wanted is None and found) or (wanted and not any(wanted in p for p in found)):
            failures.append(f"{gems!r}: wants {wanted!r}, gives {found}")
    for language, text, wanted in SELF_TEST_ADDRESS:
        found = bool(re.search(TRANSLATIONS[language]["other address"], text, re.IGNORECASE))
        if found != wanted:
            failures.append(f"{text!r}: other address {found}, wants {wanted}")
    for text, typographic, wanted in SELF_TEST_TS:
        found = ts_problems("t.ts", [("source", text)], typographic)
        if (wanted is None and found) or (wanted and not any(wanted in p for p in found)):
            failures.append(f"{text!r}: wants {wanted!r}, gives {found}")
    for f in failures:
        print(f)
    print("self-test passed" if not failures else f"self-test: {len(failures)} row(s) failed")
    return 1 if failures else 0


def main(args):
    if args[:1] in (["-h"], ["--help"]):
        print(__doc__)
        return 0
    if args[:1] == ["--self-test"]:
        return self_test()
    if args and args[0].startswith("-"):
        print(f"unknown option {args[0]}; see --help")
        return 2
    problems = check(pathlib.Path(args[0]) if args else DATA,
                     pathlib.Path(args[1]) if len(args) > 1 else TS)
    for p in problems:
        print(p)
    print("all texts in order" if not problems else f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
