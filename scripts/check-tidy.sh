#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the project's own C++
# sources as a build compiled them, and fails on any finding.
#   scripts/check-tidy.sh BUILD-DIR [PATH-PREFIX...]
#   scripts/check-tidy.sh BUILD-DIR --changed   only the sources changed since
#                                               main (and those of changed headers)
# The build must have been configured with CMAKE_EXPORT_COMPILE_COMMANDS=ON
# and built (the forms' ui_ headers are generated). With prefixes, only the
# sources under them are checked (tests/fuzz/ for the clang-only fuzzers).
#
# A file found clean is remembered under $GEMVARA_CACHE/clang-tidy, keyed by
# what clang-tidy sees of it: its preprocessed text, the flags, .clang-tidy
# and clang-tidy's version (the clone's own path left out). An unchanged file
# is not checked again, in this clone or any other on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: check-tidy.sh BUILD-DIR [PATH-PREFIX...|--changed]}
shift
source scripts/cache-env.sh

tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
clang=$(command -v clang++-14 || command -v clang++ || true)
if [ -z "$tidy" ] || [ -z "$clang" ]; then
  echo "check-tidy: clang-tidy or clang++ is not installed (scripts/install-deps.sh installs them)" >&2
  exit 1
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-tidy: no $build/compile_commands.json; configure with -DCMAKE_EXPORT_COMPILE_COMMANDS=ON" >&2
  exit 1
fi

changed=()
if [ "${1:-}" = --changed ]; then
  shift
  base=$(git merge-base HEAD main 2>/dev/null || git rev-parse HEAD)
  mapfile -t changed < <({ git diff --name-only "$base"; git ls-files --others --exclude-standard; } \
                         | grep -E '\.(cpp|h)$' | sort -u)
  if [ "${#changed[@]}" -eq 0 ]; then
    echo "check-tidy: no C++ file changed since main"
    exit 0
  fi
fi

mkdir -p "$GEMVARA_CACHE/clang-tidy"
start=$SECONDS
python3 - "$PWD" "$build" "$tidy" "$clang" "$GEMVARA_CACHE/clang-tidy" "${#changed[@]}" \
  "${changed[@]}" "$@" <<'PY'
import concurrent.futures, hashlib, json, os, shlex, subprocess, sys

root, build, tidy, clang, cache, n = sys.argv[1:7]
changed, prefixes = sys.argv[7:7 + int(n)], sys.argv[7 + int(n):]
build = os.path.abspath(build)

# The sources of the tree itself: not what moc, uic and rcc generate into
# the build folder.
entries = {}
for entry in json.load(open(os.path.join(build, 'compile_commands.json'))):
    path = os.path.normpath(os.path.join(entry['directory'], entry['file']))
    rel = os.path.relpath(path, root)
    if rel.startswith('..') or path.startswith(build + os.sep) or rel.startswith('build'):
        continue
    if prefixes and not any(rel.startswith(p) for p in prefixes):
        continue
    entries.setdefault(rel, entry)
if changed:
    # A changed header is checked through the source of the same name.
    stems = {os.path.splitext(c)[0] for c in changed}
    entries = {rel: e for rel, e in entries.items() if os.path.splitext(rel)[0] in stems}
    if not entries:
        print('check-tidy: no changed source in this build')
        sys.exit(0)
elif not entries:
    print(f'check-tidy: no sources to check in {build}', file=sys.stderr)
    sys.exit(1)

version = subprocess.run([tidy, '--version'], capture_output=True, text=True).stdout
settings = open(os.path.join(root, '.clang-tidy')).read()

def arguments(entry):
    args = entry['arguments'] if 'arguments' in entry else shlex.split(entry['command'])
    out, skip = [], False
    for a in args[1:]:
        if skip:
            skip = False
        elif a in ('-o', '-MT', '-MF'):
            skip = True
        elif a not in ('-c', '-MD') and a != entry['file']:
            out.append(a)
    return out

def key(rel, entry):
    args = arguments(entry)
    seen = subprocess.run([clang, *args, '-E', '-P', '-w', entry['file']], cwd=entry['directory'],
                          capture_output=True)
    if seen.returncode != 0:
        return None
    digest = hashlib.sha256()
    for part in (version.encode(), settings.encode(), rel.encode(),
                 ' '.join(args).replace(root, '@').encode(), seen.stdout.replace(root.encode(), b'@')):
        digest.update(hashlib.sha256(part).digest())
    return digest.hexdigest()

def check(rel):
    entry = entries[rel]
    stamp = key(rel, entry)
    if stamp and os.path.exists(os.path.join(cache, stamp)):
        os.utime(os.path.join(cache, stamp))
        return rel, True, ''
    run = subprocess.run([tidy, '-p', build, '--quiet', rel], cwd=root, capture_output=True,
                         text=True)
    if run.returncode == 0 and stamp:
        open(os.path.join(cache, stamp), 'w').close()
    return rel, run.returncode == 0, run.stdout + run.stderr if run.returncode else None

failed, reused = 0, 0
with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
    for rel, ok, out in pool.map(check, sorted(entries)):
        reused += out == ''
        if not ok:
            failed += 1
            print(out, end='')
if failed:
    print(f'check-tidy: findings in {failed} files above; fix them or silence one in place with '
          '// NOLINT(check): reason', file=sys.stderr)
    sys.exit(1)
print(f'check-tidy: {len(entries)} files clean ({reused} unchanged since a clean check)', end='')
PY
echo " in $((SECONDS - start)) s"
# Results nobody asked for in two months belong to files long changed.
find "$GEMVARA_CACHE/clang-tidy" -type f -mtime +60 -delete 2>/dev/null || true
