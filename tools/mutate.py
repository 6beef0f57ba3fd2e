#!/usr/bin/env python3
"""Mutation runner: puts one small fault at a time into the program's code,
builds it and runs the fast in-process tests, and reports each fault that no
test noticed (a survivor).

    python3 tools/mutate.py [options] [PATH ...]     (default: engine platform ui)

Faults made: a relational operator moved across its boundary or negated
(< <=, > >=, == !=), && and || swapped, an integer constant moved by one
either way, true and false swapped, a "!" removed, and a cell of a table (a
brace list of like items) changed to its neighbour.

It works on a copy of the tree in build/mutate/src, built in
build/mutate/build (Release, ccache when there is one), so the work tree is
never touched. For each fault it rebuilds and runs the tests nearest to the
changed file first, each with a timeout, and stops at the first that fails.
Tests labelled e2e, dist or package are not run.

    --list                 print the faults it would make, and stop
    --sample N --seed S    a random N of them (the same N for the same S)
    --held-out             the faults not in that sample (with --limit M: M of them)
    --only REPORT          the survivors of an earlier report again, found by
                           their line's text (the code may have moved since)
    --not-in LOG           leave out the faults an earlier run's output names
    --equivalent FILE      known equivalent faults (default tools/mutate-equivalent.txt)

An equivalent fault changes no behaviour, so no test can notice it. The
list has one line per fault, "file:line:column: change  # why", exactly as
this runner prints it; those are reported apart and left out of the score.
"""
import argparse
import dataclasses
import json
import os
import pathlib
import random
import re
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
WORK = ROOT / "build" / "mutate"
SKIPPED_LABELS = {"e2e", "dist", "package"}


@dataclasses.dataclass
class Mutant:
    path: str  # relative to the tree
    line: int  # 1-based
    col: int  # 1-based
    old: str
    new: str
    kind: str
    text: str = ""  # the line as it was, for the report

    @property
    def ident(self):
        return f"{self.path}:{self.line}:{self.col}: {self.old!r} -> {self.new!r}"


# --- Finding the faults -------------------------------------------------------

def masked(lines):
    """The lines with comments and the insides of string and character
    literals blanked out, so that nothing in them is taken for code."""
    out, in_comment = [], False
    for text in lines:
        chars, i = list(text), 0
        while i < len(chars):
            if in_comment:
                if text.startswith("*/", i):
                    chars[i] = chars[i + 1] = " "
                    in_comment = False
                    i += 2
                    continue
                chars[i] = " "
                i += 1
            elif text.startswith("//", i):
                chars[i:] = " " * (len(chars) - i)
                break
            elif text.startswith("/*", i):
                in_comment = True
            elif chars[i] in "\"'":
                quote, j = chars[i], i + 1
                while j < len(chars) and chars[j] != quote:
                    j += 2 if chars[j] == "\\" else 1
                for k in range(i + 1, min(j, len(chars))):
                    chars[k] = " "
                i = j + 1
            else:
                i += 1
        out.append("".join(chars))
    return out


OPERATORS = [(" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
             (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && ")]
INTEGER = re.compile(r"(?<![\w.])\d+(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
NOT = re.compile(r"!(?!=)")
# One row of a table: a brace list on one line, at least three items.
ROW = re.compile(r"\{([^{}]*,[^{}]*,[^{}]*)\}")
ITEM_KINDS = [re.compile(r"^[A-Za-z_]\w*$"), re.compile(r"^-?\d+$"),
              re.compile(r'^(u8|u)?"[^"]*"$')]


def row_items(code, raw, start, end):
    """(column, text) of the items of a brace list, split at the commas of the
    code (so that commas in strings do not count)."""
    items, begin = [], start
    for i in range(start, end + 1):
        if i == end or code[i] == ",":
            text = raw[begin:i]
            stripped = text.strip()
            if stripped:
                items.append((begin + len(text) - len(text.lstrip()), stripped))
            begin = i + 1
    return items


def table_cells(path, number, code, raw):
    if re.search(r"\benum\b", code):
        return  # enumerators are names, not cells
    for row in ROW.finditer(code):
        items = row_items(code, raw, row.start(1), row.end(1))
        kinds = {next((k for k, r in enumerate(ITEM_KINDS) if r.match(t)), None)
                 for _, t in items}
        if len(items) < 3 or len(kinds) != 1 or None in kinds:
            continue
        for (col, text), (_, neighbour) in zip(items, items[1:] + items[-2:-1]):
            if text != neighbour:
                yield Mutant(path, number, col + 1, text, neighbour, "table cell", raw.strip())


def faults_in(path):
    for m in faults_on_lines(path):
        if not m.text:
            m.text = (ROOT / path).read_text(encoding="utf-8").splitlines()[m.line - 1].strip()
        yield m


def faults_on_lines(path):
    raw_lines = (ROOT / path).read_text(encoding="utf-8").splitlines()
    for number, (code, raw) in enumerate(zip(masked(raw_lines), raw_lines), 1):
        stripped = code.strip()
        if not stripped or stripped.startswith("#") or "static_assert" in code:
            continue
        for old, new in OPERATORS:
            for m in re.finditer(re.escape(old), code):
                yield Mutant(path, number, m.start() + 2, old.strip(), new.strip(), "operator")
        for m in INTEGER.finditer(code):
            value = int(m.group())
            for changed in (value + 1, value - 1):
                yield Mutant(path, number, m.start() + 1, m.group(), str(changed), "constant")
        for m in BOOLEAN.finditer(code):
            flipped = "false" if m.group() == "true" else "true"
            yield Mutant(path, number, m.start() + 1, m.group(), flipped, "boolean")
        for m in NOT.finditer(code):
            yield Mutant(path, number, m.start() + 1, "!", "", "negation")
        yield from table_cells(path, number, code, raw)


def all_faults(paths):
    files = []
    for p in paths:
        target = ROOT / p
        found = [target] if target.is_file() else sorted(target.rglob("*"))
        files += [f for f in found if f.suffix in (".cpp", ".h")]
    found = {}
    for f in files:
        for m in faults_in(str(f.relative_to(ROOT))):
            found.setdefault(m.ident, m)  # a cell of numbers is a constant too
    return list(found.values())


def apply(mutant, text):
    lines = text.split("\n")
    line = lines[mutant.line - 1]
    at = mutant.col - 1
    if mutant.kind == "operator":
        at -= 1
        old, new = f" {mutant.old} ", f" {mutant.new} "
    else:
        old, new = mutant.old, mutant.new
    if line[at:at + len(old)] != old:
        raise ValueError(f"{mutant.ident}: the line no longer has {old!r} there")
    lines[mutant.line - 1] = line[:at] + new + line[at + len(old):]
    return "\n".join(lines)


# --- Building and testing -----------------------------------------------------

def run(cmd, timeout=None, **kw):
    try:
        return subprocess.run(cmd, capture_output=True, text=True, timeout=timeout, **kw)
    except subprocess.TimeoutExpired:
        return None


def sync_copy(src):
    """Copies the tracked files into the mirror, touching only those that
    changed so that the incremental build stays incremental."""
    listed = run(["git", "ls-files", "-z"], cwd=ROOT).stdout.split("\0")
    for name in filter(None, listed):
        a, b = ROOT / name, src / name
        if not a.is_file():
            continue
        if b.is_file() and b.read_bytes() == a.read_bytes():
            continue
        b.parent.mkdir(parents=True, exist_ok=True)
        # A new time, not the original's: the copy of a fault's file was
        # written later than that, and the build must see the change.
        shutil.copyfile(a, b)
        shutil.copymode(a, b)


def configure(src, build):
    if (build / "build.ninja").exists():
        return
    cmd = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
           "-DCMAKE_BUILD_TYPE=Release", "-DGEMVARA_BUILD_BENCH=OFF"]
    if shutil.which("ccache"):
        cmd.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    result = run(cmd)
    if result.returncode != 0:
        sys.exit("configure failed:\n" + result.stdout + result.stderr)


@dataclasses.dataclass
class Test:
    name: str
    target: str
    folder: str  # of the test's sources, e.g. tests/ui/main
    seconds: float = 0.0


def fast_tests(build):
    shown = run(["ctest", "--test-dir", str(build), "--show-only=json-v1"])
    tests = []
    for t in json.loads(shown.stdout)["tests"]:
        props = {p["name"]: p["value"] for p in t.get("properties", [])}
        if SKIPPED_LABELS & set(props.get("LABELS", [])) or props.get("DISABLED"):
            continue
        if not t.get("command"):
            continue
        exe = pathlib.Path(t["command"][0])
        # Scripts and checkers of data do not run the program's code.
        if exe.is_relative_to(build):
            tests.append(Test(t["name"], exe.name, str(exe.parent.relative_to(build))))
    return tests


def nearness(path, test):
    """How many leading folders the changed file shares with the test's."""
    a, b = pathlib.Path(path).parent.parts, pathlib.Path(test.folder).parts[1:]
    n = 0
    while n < min(len(a), len(b)) and a[n] == b[n]:
        n += 1
    return n


def build_target(build, target=None):
    result = run(["ninja", "-C", str(build)] + ([target] if target else []))
    return result is not None and result.returncode == 0


def run_test(build, test, timeout):
    result = run(["ctest", "--test-dir", str(build), "-R", f"^{re.escape(test.name)}$",
                  "--timeout", str(int(timeout))], timeout=timeout + 30)
    return result is not None and result.returncode == 0


def baseline(build, tests):
    for test in tests:
        start = time.monotonic()
        if not run_test(build, test, 600):
            sys.exit(f"{test.name} fails on the unchanged tree; fix that first")
        test.seconds = time.monotonic() - start


def try_mutant(mutant, src, build, tests, kills):
    """'killed by <test>', 'survived' or 'did not build'."""
    file = src / mutant.path
    original = file.read_text(encoding="utf-8")
    file.write_text(apply(mutant, original), encoding="utf-8")
    try:
        order = sorted(tests, key=lambda t: (-kills.get((mutant.path, t.name), 0),
                                             -nearness(mutant.path, t), t.seconds))
        built = set()
        for test in order:
            if test.target not in built:
                if not build_target(build, test.target):
                    return "did not build"
                built.add(test.target)
            if not run_test(build, test, max(30.0, 4 * test.seconds)):
                kills[(mutant.path, test.name)] = kills.get((mutant.path, test.name), 0) + 1
                return "killed by " + test.name
        return "survived"
    finally:
        file.write_text(original, encoding="utf-8")


# --- Reporting ----------------------------------------------------------------

def read_equivalent(path):
    known = {}
    if path.exists():
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith("#"):
                ident, _, why = line.partition("  # ")
                known[ident.strip()] = why.strip()
    return known


def survivors_of(report):
    """(path, line, column, old, new, line text) of each survivor in a report."""
    wanted, lines = [], report.read_text(encoding="utf-8").splitlines()
    pattern = re.compile(r"^  (\S+):(\d+):(\d+): '(.*)' -> '(.*)'  \[")
    for ident, text in zip(lines, lines[1:]):
        m = pattern.match(ident)
        if m and ident.rstrip().endswith("]"):
            wanted.append((m[1], int(m[2]), int(m[3]), m[4], m[5], text.strip()))
    return wanted


def matching(mutants, wanted):
    """The faults named, where they are now: at the same line, else on the
    one line of the file with that text, else on the one line anywhere."""
    same_line, in_file, anywhere = {}, {}, {}
    for m in mutants:
        same_line[(m.path, m.line, m.col, m.old, m.new, m.text)] = m
        in_file.setdefault((m.path, m.col, m.old, m.new, m.text), []).append(m)
        anywhere.setdefault((m.old, m.new, m.text), []).append(m)
    found = []
    for path, line, col, old, new, text in wanted:
        if (path, line, col, old, new, text) in same_line:
            found.append(same_line[(path, line, col, old, new, text)])
        elif len(in_file.get((path, col, old, new, text), [])) == 1:
            found.append(in_file[(path, col, old, new, text)][0])
        elif len(anywhere.get((old, new, text), [])) == 1:
            found.append(anywhere[(old, new, text)][0])
        else:
            print(f"not found any more: {path}:{line}:{col}: {old!r} -> {new!r} in {text!r}", file=sys.stderr)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("paths", nargs="*", default=["engine", "platform", "ui"])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--sample", type=int)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--held-out", action="store_true")
    parser.add_argument("--limit", type=int)
    parser.add_argument("--only", type=pathlib.Path)
    parser.add_argument("--not-in", type=pathlib.Path)
    parser.add_argument("--equivalent", type=pathlib.Path,
                        default=ROOT / "tools" / "mutate-equivalent.txt")
    parser.add_argument("--report", type=pathlib.Path, default=WORK / "report.txt")
    args = parser.parse_args()

    mutants = all_faults(args.paths)
    if args.not_in:
        seen = set(re.findall(r"^\[\d+/\d+\] (.*?): (?:killed|survived|did not|equivalent)",
                              args.not_in.read_text(encoding="utf-8"), re.M))
        mutants = [m for m in mutants if m.ident not in seen]
    if args.sample:
        picked = set(map(id, random.Random(args.seed).sample(mutants, min(args.sample, len(mutants)))))
        mutants = [m for m in mutants if (id(m) in picked) != args.held_out]
        if args.held_out and args.limit:
            mutants = random.Random(args.seed + 1).sample(mutants, min(args.limit, len(mutants)))
            mutants.sort(key=lambda m: (m.path, m.line, m.col))
    if args.only:
        inside = lambda path: any(path == p or path.startswith(p.rstrip("/") + "/") for p in args.paths)
        mutants = matching(mutants, [w for w in survivors_of(args.only) if inside(w[0])])
    if args.list:
        for m in mutants:
            print(f"{m.ident}  [{m.kind}]")
        print(f"{len(mutants)} faults", file=sys.stderr)
        return 0

    equivalent = read_equivalent(args.equivalent)
    src, build = WORK / "src", WORK / "build"
    src.mkdir(parents=True, exist_ok=True)
    sync_copy(src)
    configure(src, build)
    print("baseline: building the unchanged tree", flush=True)
    if not build_target(build):
        sys.exit("the unchanged tree does not build in " + str(build))
    tests = fast_tests(build)
    print(f"baseline: running {len(tests)} tests", flush=True)
    baseline(build, tests)

    results, kills = [], {}
    for n, m in enumerate(mutants, 1):
        start = time.monotonic()
        outcome = try_mutant(m, src, build, tests, kills)
        if outcome == "survived" and m.ident in equivalent:
            outcome = "equivalent"
        results.append((m, outcome))
        print(f"[{n}/{len(mutants)}] {m.ident}: {outcome} ({time.monotonic() - start:.0f} s)",
              flush=True)
    build_target(build)  # leave the mirror's build matching the tree

    counted = [r for r in results if r[1] not in ("did not build", "equivalent")]
    killed = [r for r in counted if r[1].startswith("killed")]
    lines = [f"{len(results)} faults: {len(killed)} killed, "
             f"{len(counted) - len(killed)} survived, "
             f"{sum(r[1] == 'equivalent' for r in results)} equivalent, "
             f"{sum(r[1] == 'did not build' for r in results)} did not build",
             f"score: {len(killed)}/{len(counted)} = "
             f"{100 * len(killed) / max(1, len(counted)):.1f} % of the non-equivalent faults"]
    for title, wanted in (("survivors", "survived"), ("equivalent", "equivalent")):
        chosen = [m for m, o in results if o == wanted]
        if chosen:
            lines.append(f"{title}:")
        for m in chosen:
            note = f"  # {equivalent[m.ident]}" if wanted == "equivalent" else ""
            lines.append(f"  {m.ident}  [{m.kind}]{note}\n      {m.text}")
    stale = {e for e in equivalent if any(e.startswith(p.rstrip("/") + "/") for p in args.paths)}
    stale -= {m.ident for m in all_faults(args.paths)}
    if stale:
        lines.append("equivalence entries that match no fault any more:")
        lines += [f"  {s}" for s in sorted(stale)]
    print("\n".join(lines))
    args.report.parent.mkdir(parents=True, exist_ok=True)
    args.report.write_text("\n".join(lines) + "\n", encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
