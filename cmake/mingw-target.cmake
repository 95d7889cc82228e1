# What both compilers' toolchain files share: the MinGW-w64 headers and
# libraries of TOOLCHAIN_PREFIX as the only place to find target files, and
# ZORVANE_WINE_LOADER to run the target's programs (tests, discovery).
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

find_program(WINE_EXECUTABLE NAMES ${ZORVANE_WINE_LOADER})
if(WINE_EXECUTABLE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_EXECUTABLE})
endif()
