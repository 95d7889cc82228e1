# The body both clang toolchain files share: Debian's clang and lld for
# TOOLCHAIN_PREFIX, against the MinGW-w64 headers and libraries the GCC
# toolchain uses (mingw-toolchain.cmake), tests run through
# ZORVANE_WINE_LOADER. The release presets build with it: its -Oz and
# link-time optimisation make the smaller executables (docs/PERFORMANCE.md).
set(CMAKE_SYSTEM_NAME Windows)

# One LLVM throughout. The linker and the archiver read the compiler's
# link-time-optimisation bitcode, which a tool of an older LLVM cannot; called
# by their bare names, they would be whichever PATH finds first, so a newer
# clang-NN beside Debian's would mix versions. Every tool is therefore the one
# in the folder of the clang found (/usr/lib/llvm-NN/bin on Debian).
find_program(_zv_clang clang NO_CACHE NO_CMAKE_FIND_ROOT_PATH REQUIRED)
file(REAL_PATH "${_zv_clang}" _zv_clang)
get_filename_component(ZORVANE_LLVM_BIN "${_zv_clang}" DIRECTORY)
foreach(_zv_tool clang++ ld.lld llvm-ar llvm-ranlib llvm-nm llvm-dlltool)
  if(NOT EXISTS "${ZORVANE_LLVM_BIN}/${_zv_tool}")
    execute_process(COMMAND "${_zv_clang}" --version OUTPUT_VARIABLE _zv_version)
    string(REGEX MATCH "version ([0-9]+)" _zv_version "${_zv_version}")
    message(FATAL_ERROR "${_zv_clang} (clang ${CMAKE_MATCH_1}) has no ${_zv_tool} of its own LLVM beside it, "
      "and the tools of another LLVM cannot read its bitcode. Install clang-${CMAKE_MATCH_1}, lld-${CMAKE_MATCH_1} and "
      "llvm-${CMAKE_MATCH_1}, or put a clang whose lld and LLVM tools are installed first on PATH.")
  endif()
endforeach()
set(CMAKE_C_COMPILER   ${ZORVANE_LLVM_BIN}/clang)
set(CMAKE_CXX_COMPILER ${ZORVANE_LLVM_BIN}/clang++)
set(CMAKE_C_COMPILER_TARGET   ${TOOLCHAIN_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${TOOLCHAIN_PREFIX})
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
# The MinGW-w64 headers and libraries, and never the host's /usr/include.
set(CMAKE_SYSROOT /usr/${TOOLCHAIN_PREFIX})
# Archives of link-time-optimised objects need an index of their bitcode,
# which only LLVM's archiver writes.
set(CMAKE_AR     ${ZORVANE_LLVM_BIN}/llvm-ar)
set(CMAKE_RANLIB ${ZORVANE_LLVM_BIN}/llvm-ranlib)

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
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld --ld-path=${ZORVANE_LLVM_BIN}/ld.lld -L${ZORVANE_GCC_LIB_DIR} -lpthread")
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
