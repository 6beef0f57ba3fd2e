# Checked builds: AddressSanitizer and UndefinedBehaviorSanitizer for the
# whole tree, and libFuzzer targets (clang only).
option(GEMVARA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GEMVARA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(GEMVARA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)

  # Every process of a test run writes its findings into this folder
  # (tests/sanitizers/env.sh sets that up); the test sanitizer_reports runs
  # after all others and fails if anything is there. That also catches
  # findings in processes whose exit status no test looks at.
  set(GEMVARA_SANITIZER_REPORTS ${CMAKE_BINARY_DIR}/sanitizer-reports)

  function(gemvara_add_sanitizer_check)
    if(NOT GEMVARA_BUILD_TESTS)
      return()
    endif()
    gemvara_property_below(${PROJECT_SOURCE_DIR} TESTS tests)
    add_test(NAME sanitizer_reports
      COMMAND bash ${PROJECT_SOURCE_DIR}/tests/sanitizers/check-reports.sh ${GEMVARA_SANITIZER_REPORTS})
    set_tests_properties(sanitizer_reports PROPERTIES DEPENDS "${tests}" LABELS sanitizers)
  endfunction()
  # Deferred to the end of the top-level directory, when all tests exist.
  cmake_language(DEFER CALL gemvara_add_sanitizer_check)
endif()

if(GEMVARA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GEMVARA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage for libFuzzer in every library the targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
