# Compiler warnings and Qt's stricter string and signal rules, for every
# target of the project through one interface target. Each target links
# gemvara_warnings itself; a target that does not fails the configure step.
option(GEMVARA_WERROR "Treat compiler warnings as errors (the test command turns this on)" OFF)

add_library(gemvara_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(gemvara_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
  if(GEMVARA_WERROR)
    target_compile_options(gemvara_warnings INTERFACE -Werror)
  endif()
elseif(MSVC)
  target_compile_options(gemvara_warnings INTERFACE /W4)
  if(GEMVARA_WERROR)
    target_compile_options(gemvara_warnings INTERFACE /WX)
  endif()
endif()
# No implicit conversion between QString and 8-bit strings (the encoding is
# always said), no narrowing in signal connections, no Q_FOREACH, and
# string concatenation built in one allocation.
target_compile_definitions(gemvara_warnings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH
  QT_USE_QSTRINGBUILDER)

# A directory property (TESTS, BUILDSYSTEM_TARGETS) of dir and every
# directory below it, in one list.
function(gemvara_property_below dir property out)
  get_property(values DIRECTORY ${dir} PROPERTY ${property})
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirs})
    gemvara_property_below(${sub} ${property} more)
    list(APPEND values ${more})
  endforeach()
  set(${out} ${values} PARENT_SCOPE)
endfunction()

# Run at the end of the top-level directory, when every target exists.
# Qt's resource object libraries compile only generated code and are left
# as Qt makes them.
function(gemvara_check_warnings)
  gemvara_property_below(${PROJECT_SOURCE_DIR} BUILDSYSTEM_TARGETS targets)
  set(missing)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY"
       OR target MATCHES "_resources_[0-9]+$")
      continue()
    endif()
    get_target_property(libs ${target} LINK_LIBRARIES)
    if(NOT gemvara_warnings IN_LIST libs)
      list(APPEND missing ${target})
    endif()
  endforeach()
  if(missing)
    message(FATAL_ERROR "These targets do not link gemvara_warnings: ${missing}")
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL gemvara_check_warnings)
