# Sourced by the build scripts: where this machine keeps what outlives a
# clone. /var/cache/gemvara (GEMVARA_CACHE overrides it; a user who cannot
# write there gets ~/.cache/gemvara) holds Qt for Windows, the compiler
# cache and the linter's results, so that a fresh clone on a machine that
# has built once compiles and lints only what changed.
#   source scripts/cache-env.sh
GEMVARA_CACHE=${GEMVARA_CACHE:-/var/cache/gemvara}
if ! mkdir -p "$GEMVARA_CACHE" 2>/dev/null || [ ! -w "$GEMVARA_CACHE" ]; then
  GEMVARA_CACHE=$HOME/.cache/gemvara
  mkdir -p "$GEMVARA_CACHE"
fi
export GEMVARA_CACHE

# ccache for the gcc, clang and mingw builds. Paths below the clone are
# hashed relative to it, and the folder a compiler ran in is left out, so
# every clone shares one cache; __FILE__ then names the clone that first
# compiled a file, which only the tests' messages ever show. Qt Test puts
# each test's folders into its flags for QFINDTESTDATA, which no test
# here uses: they are left out of the hash too.
export CCACHE_DIR=$GEMVARA_CACHE/ccache
export CCACHE_BASEDIR=$PWD
export CCACHE_NOHASHDIR=1
export CCACHE_SLOPPINESS=file_macro
export CCACHE_IGNOREOPTIONS="-DQT_TESTCASE_BUILDDIR=* -DQT_TESTCASE_SOURCEDIR=*"
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G}
# rcc writes each resource file's date into the code it generates, and a
# fresh clone dates every file anew; the program never reads those dates.
# A fixed one keeps that code the same in every clone (and is late enough
# for the dates a ZIP can hold).
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1704067200}
