# The test build for machines that cannot execute 32-bit x86 code at all
# (some virtual machines run 64-bit processes only, and 32-bit Wine with
# them): the same sources as 64-bit Windows executables, run by 64-bit Wine.
# What ships is the 32-bit build of the other toolchain file.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
set(ZORVANE_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
