# The x64 twin of the release, built by clang like the 32-bit one, for
# machines that run no 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(ZORVANE_SUBSYSTEM_VERSION 5.2)
set(ZORVANE_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-toolchain.cmake)
