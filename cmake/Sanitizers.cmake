# Checked builds: AddressSanitizer and UndefinedBehaviorSanitizer for the
# whole tree, and libFuzzer targets (clang only).
option(GEMVARA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(GEMVARA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(GEMVARA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

if(GEMVARA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GEMVARA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Coverage for libFuzzer in every library the targets link.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
