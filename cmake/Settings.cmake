# Compiler settings shared by every target of the project.

# Rebuilds of unchanged sources (another checkout, a sanitizer build of the
# same tree) come from ccache when it is installed.
find_program(ORVA_CCACHE ccache)
if(ORVA_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_C_COMPILER_LAUNCHER ${ORVA_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${ORVA_CCACHE})
endif()
add_library(orva_settings INTERFACE)
target_compile_features(orva_settings INTERFACE cxx_std_20)
target_compile_options(orva_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow
  -Wformat=2 $<$<CXX_COMPILER_ID:GNU>:-Wformat-truncation=1> -Wnon-virtual-dtor)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()

# Sanitizer builds, each in a build folder of its own:
#   -DORVA_SANITIZE="address;undefined"   memory faults and undefined behaviour
#   -DORVA_SANITIZE=thread                data races between the worker threads
# Any fault ends the program at once, so a test that meets one fails.
set(ORVA_SANITIZE "" CACHE STRING
  "Sanitizers every target is built with: empty, address;undefined, or thread")
# Fuzzer builds (clang only) instrument every target for libFuzzer; the fuzz
# targets in fuzz/ then link it.
option(ORVA_FUZZ "Build the fuzz targets as libFuzzer fuzzers (clang)" OFF)

set(orva_sanitizers ${ORVA_SANITIZE})
if(ORVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ORVA_FUZZ needs clang: configure with CC=clang CXX=clang++")
  endif()
  list(APPEND orva_sanitizers fuzzer-no-link)
endif()
if(orva_sanitizers)
  if("thread" IN_LIST orva_sanitizers AND "address" IN_LIST orva_sanitizers)
    message(FATAL_ERROR "ORVA_SANITIZE: thread and address cannot be combined")
  endif()
  list(JOIN orva_sanitizers "," orva_sanitizer_list)
  set(orva_sanitize_flags -fsanitize=${orva_sanitizer_list} -fno-sanitize-recover=all
    -fno-omit-frame-pointer)
  target_compile_options(orva_settings INTERFACE ${orva_sanitize_flags})
  target_link_options(orva_settings INTERFACE ${orva_sanitize_flags})
endif()
