# Import libraries for lld in the short form, made at configure time from
# MinGW-w64's own.
#
# MinGW-w64's import libraries hold one object per function: the import
# entry and a jump stub beside it. lld collects only COMDAT sections, so
# every stub of a function the program imports stays in the file, called or
# not, and so does every import the link pulled in before link-time
# optimisation found its caller dead: 3 KB of Zorvane.exe. From the short
# form lld makes a stub only where code calls one, and imports only what the
# optimised program uses. The system's libraries stay on the link too, for
# their few members that are code rather than imports.
#
# zorvane_short_import_libraries(VAR lib...) makes one for each lib (kernel32,
# user32, ...) and sets VAR to their paths, to be put on the link before the
# system's.

set(ZORVANE_LLVM_NM llvm-nm CACHE STRING "llvm-nm for reading MinGW-w64 import libraries")
set(ZORVANE_LLVM_DLLTOOL llvm-dlltool CACHE STRING "llvm-dlltool for writing short import libraries")

function(zorvane_short_import_libraries var)
  set(out_dir ${CMAKE_BINARY_DIR}/short-import-libraries)
  file(MAKE_DIRECTORY ${out_dir})
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(machine i386)
  else()
    set(machine i386:x86-64)
  endif()
  set(made)
  foreach(lib IN LISTS ARGN)
    unset(source)
    find_library(source NAMES lib${lib}.a NO_CACHE REQUIRED)
    # The DLL's name, spelled as the system library spells it, is the one
    # string of the library's tail object.
    execute_process(COMMAND ${CMAKE_AR} p ${source} lib${lib}t.o
      OUTPUT_FILE ${out_dir}/${lib}-tail.o COMMAND_ERROR_IS_FATAL ANY)
    file(STRINGS ${out_dir}/${lib}-tail.o dll REGEX "^[A-Za-z0-9_]+\\.[dD][lL][lL]$" LIMIT_COUNT 1)
    if(NOT dll)
      message(FATAL_ERROR "no DLL name in ${source}")
    endif()

    # Each import is a symbol __imp_NAME; a function has its stub NAME
    # beside it, data has none. The name imported from the DLL is NAME
    # without its C decoration in every system library listed here.
    execute_process(COMMAND ${ZORVANE_LLVM_NM} --defined-only --format=posix ${source}
      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "[^\n]+ T " stubs "${symbols}")
    foreach(stub IN LISTS stubs)
      string(REGEX REPLACE " T $" "" stub "${stub}")
      set("stub:${stub}" 1)
    endforeach()
    string(REGEX MATCHALL "__imp_[^ \n]+ I " imports "${symbols}")
    set(def "LIBRARY ${dll}\nEXPORTS\n")
    foreach(import IN LISTS imports)
      string(REGEX REPLACE "^__imp_(.*) I $" "\\1" name "${import}")
      set(entry "${name}")
      # One underscore of C decoration; a name may begin with more.
      if(machine STREQUAL "i386" AND entry MATCHES "^_")
        string(SUBSTRING "${entry}" 1 -1 entry)
      endif()
      if(NOT DEFINED "stub:${name}")
        string(APPEND entry " DATA")
      endif()
      string(APPEND def "${entry}\n")
    endforeach()
    file(WRITE ${out_dir}/${lib}.def "${def}")
    # -k: the DLL exports the undecorated name.
    execute_process(COMMAND ${ZORVANE_LLVM_DLLTOOL} -k -m ${machine} -d ${out_dir}/${lib}.def
      -l ${out_dir}/lib${lib}.a COMMAND_ERROR_IS_FATAL ANY)
    list(APPEND made ${out_dir}/lib${lib}.a)
  endforeach()
  set(${var} ${made} PARENT_SCOPE)
endfunction()
