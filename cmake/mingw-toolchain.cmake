# The body both toolchain files share: MinGW-w64 with POSIX threads (which
# GoogleTest needs for std::mutex) for TOOLCHAIN_PREFIX, tests run through
# ZORVANE_WINE_LOADER.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)

include(${CMAKE_CURRENT_LIST_DIR}/mingw-target.cmake)
