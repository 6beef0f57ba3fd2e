# Sanitizer options for a run of the checked build (AddressSanitizer,
# UndefinedBehaviorSanitizer, LeakSanitizer). Source it before ctest:
#   source tests/sanitizers/env.sh build/checked && ctest --test-dir build/checked
# Any finding stops the process that made it, and every process (tests, the
# program started by the whole-program tests, helpers) writes its report into
# <build>/sanitizer-reports, which the test sanitizer_reports checks last.
# For full leak stacks through Qt add fast_unwind_on_malloc=0 (much slower).
# strict_string_checks stays off: libxkbcommon-x11 calls strndup() on a
# buffer with no terminating NUL, which is correct but trips that check.
gemvara_sanitizer_build=$(cd "${1:?usage: source env.sh BUILD_DIR}" && pwd)
gemvara_sanitizer_src=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
rm -rf "$gemvara_sanitizer_build/sanitizer-reports"
mkdir -p "$gemvara_sanitizer_build/sanitizer-reports"
gemvara_sanitizer_log="log_path=$gemvara_sanitizer_build/sanitizer-reports/report:log_exe_name=1"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:$gemvara_sanitizer_log"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:$gemvara_sanitizer_log"
export LSAN_OPTIONS="suppressions=$gemvara_sanitizer_src/lsan.supp:print_suppressions=0"
unset gemvara_sanitizer_build gemvara_sanitizer_src gemvara_sanitizer_log
