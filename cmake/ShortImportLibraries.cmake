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
# system's. A library whose short form cannot be made (the system's laid out
# otherwise than GNU dlltool lays them out, or a tool failing) is left to the
# system's own, with a warning: the program is larger, and still right.

# One library's short form, made into OUT_DIR; FAILURE is set to what went
# wrong, or emptied.
function(_zorvane_short_import_library lib out_dir machine failure)
  set(${failure} "" PARENT_SCOPE)
  find_library(source NAMES lib${lib}.a NO_CACHE)
  if(NOT source)
    set(${failure} "no lib${lib}.a" PARENT_SCOPE)
    return()
  endif()
  # The DLL's name, spelled as the system library spells it, is the one
  # string of the library's tail object.
  execute_process(COMMAND ${CMAKE_AR} p ${source} lib${lib}t.o
    OUTPUT_FILE ${out_dir}/${lib}-tail.o RESULT_VARIABLE result ERROR_QUIET)
  set(dll)
  if(result EQUAL 0)
    file(STRINGS ${out_dir}/${lib}-tail.o dll REGEX "^[A-Za-z0-9_]+\\.[dD][lL][lL]$" LIMIT_COUNT 1)
  endif()
  if(NOT dll)
    set(${failure} "no DLL name in a member lib${lib}t.o of ${source}" PARENT_SCOPE)
    return()
  endif()

  # Each import is a symbol __imp_NAME; a function has its stub NAME
  # beside it, data has none. The name imported from the DLL is NAME
  # without its C decoration in every system library listed here.
  execute_process(COMMAND ${ZORVANE_LLVM_BIN}/llvm-nm --defined-only --format=posix ${source}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE result ERROR_QUIET)
  string(REGEX MATCHALL "__imp_[^ \n]+ I " imports "${symbols}")
  if(NOT result EQUAL 0 OR NOT imports)
    set(${failure} "no imports read from ${source}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX MATCHALL "[^\n]+ T " stubs "${symbols}")
  foreach(stub IN LISTS stubs)
    string(REGEX REPLACE " T $" "" stub "${stub}")
    set("stub:${stub}" 1)
  endforeach()
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
  execute_process(COMMAND ${ZORVANE_LLVM_BIN}/llvm-dlltool -k -m ${machine} -d ${out_dir}/${lib}.def
    -l ${out_dir}/lib${lib}.a RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    set(${failure} "llvm-dlltool failed on ${out_dir}/${lib}.def" PARENT_SCOPE)
  endif()
endfunction()

function(zorvane_short_import_libraries var)
  set(out_dir ${CMAKE_BINARY_DIR}/short-import-libraries)
  file(MAKE_DIRECTORY ${out_dir})
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(machine i386)
  else()
    set(machine i386:x86-64)
  endif()
  set(made)
  set(failures)
  foreach(lib IN LISTS ARGN)
    _zorvane_short_import_library(${lib} ${out_dir} ${machine} failure)
    if(failure)
      list(APPEND failures "${lib}: ${failure}")
    else()
      list(APPEND made ${out_dir}/lib${lib}.a)
    endif()
  endforeach()
  if(failures)
    list(JOIN failures "\n  " failures)
    message(WARNING "Short import libraries not made; the program links MinGW-w64's own import "
      "libraries for these and comes out larger (about 3.5 KB when none is made):\n  ${failures}")
  endif()
  set(${var} ${made} PARENT_SCOPE)
endfunction()
