# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix
# threads, which std::thread and Qt need).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GEMVARA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GEMVARA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GEMVARA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GEMVARA_MINGW_PREFIX}-windres)

# Libraries and packages come from the compiler's folder, and from a Qt for
# Windows given in CMAKE_FIND_ROOT_PATH or CMAKE_PREFIX_PATH.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${GEMVARA_MINGW_PREFIX} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
