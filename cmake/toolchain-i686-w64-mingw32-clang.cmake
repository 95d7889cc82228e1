# The 32-bit Windows executables that ship, built by clang (the release
# presets). Tests run through Wine.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
set(ZORVANE_SUBSYSTEM_VERSION 4.0)
set(ZORVANE_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw-toolchain.cmake)
