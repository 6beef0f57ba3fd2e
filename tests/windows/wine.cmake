# The Windows build's test programs run under Wine through a wrapper that
# finds Qt's and the compiler's DLLs on WINEPATH, in a Wine prefix of the
# build's own that a fixture makes afresh for each test run.
find_program(GEMVARA_WINE_COMMAND wine REQUIRED)

set(GEMVARA_TEST_PREFIX ${PROJECT_BINARY_DIR}/wine/tests)
set(winepath "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(dll ${GEMVARA_MINGW_RUNTIME})
  get_filename_component(dir ${dll} DIRECTORY)
  list(APPEND winepath ${dir})
endforeach()
list(REMOVE_DUPLICATES winepath)
# Wine maps the Linux root to drive Z:.
set(GEMVARA_WINEPATH "")
foreach(dir ${winepath})
  string(REPLACE "/" "\\" dir "Z:${dir}")
  string(APPEND GEMVARA_WINEPATH "${dir};")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR bash ${PROJECT_BINARY_DIR}/wine-run.sh)

# Offscreen tests need no X server: Wine's null display driver.
add_test(NAME wine_prefix
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/make-prefix.sh ${GEMVARA_TEST_PREFIX} null)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 600 LABELS "unit;windows")
