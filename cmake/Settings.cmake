# Compiler settings shared by every target of the project.
add_library(orva_settings INTERFACE)
target_compile_features(orva_settings INTERFACE cxx_std_20)
target_compile_options(orva_settings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow
  -Wformat=2 -Wformat-truncation=1 -Wnon-virtual-dtor)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "Build type" FORCE)
endif()
