# The body both clang toolchain files share: Debian's clang and lld for
# TOOLCHAIN_PREFIX, against the MinGW-w64 headers and libraries the GCC
# toolchain uses (mingw-toolchain.cmake), tests run through
# ZORVANE_WINE_LOADER. The release presets build with it: its -Oz and
# link-time optimisation make the smaller executables (docs/PERFORMANCE.md).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET   ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
# The MinGW-w64 headers and libraries, and never the host's /usr/include.
set(CMAKE_SYSROOT /usr/${TOOLCHAIN_PREFIX})
# Archives of link-time-optimised objects need an index of their bitcode,
# which only LLVM's archiver writes. Unversioned names throughout: clang,
# lld and the LLVM tools of one Debian release are of one LLVM version.
set(CMAKE_AR     llvm-ar)
set(CMAKE_RANLIB llvm-ranlib)

# clang looks for the GCC it borrows the C++ library from in a folder named
# by a bare version, which Debian's "12-posix" is not; so the library's
# headers and archives are named here, from where that GCC says its own
# support library lies. Both compilers then see one C++ library.
execute_process(
  COMMAND ${TOOLCHAIN_PREFIX}-g++-posix -print-libgcc-file-name
  OUTPUT_VARIABLE _zv_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(ZORVANE_GCC_LIB_DIR "${_zv_libgcc}" DIRECTORY)
set(_zv_cxx_include ${ZORVANE_GCC_LIB_DIR}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
  "-isystem ${_zv_cxx_include} -isystem ${_zv_cxx_include}/${TOOLCHAIN_PREFIX} -isystem ${_zv_cxx_include}/backward")
# The C++ library of the POSIX thread model needs the thread library; lld
# searches every archive whatever its place on the command line.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${ZORVANE_GCC_LIB_DIR} -lpthread")
# lld would mark its executables for Windows Vista and later (which older
# systems refuse to load) and Terminal Server aware, and reserve half the
# stack; the header says what GNU ld's does, the oldest Windows of the
# architecture (ZORVANE_SUBSYSTEM_VERSION) and a 2 MB stack.
string(REPLACE "." ";" _zv_subsystem "${ZORVANE_SUBSYSTEM_VERSION}")
list(GET _zv_subsystem 0 _zv_subsystem_major)
list(GET _zv_subsystem 1 _zv_subsystem_minor)
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT
  " -Wl,--major-os-version,4,--minor-os-version,0"
  ",--major-subsystem-version,${_zv_subsystem_major},--minor-subsystem-version,${_zv_subsystem_minor}"
  ",--disable-tsaware,--stack,2097152")

include(${CMAKE_CURRENT_LIST_DIR}/mingw-target.cmake)
