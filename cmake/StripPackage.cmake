# Run by cpack on the files staged for the package (CPACK_PRE_BUILD_SCRIPTS): strips every ELF
# file as Debian's packaging tools do, the symbols and the compiler's notes (.comment, .note).
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(path IN LISTS staged)
  file(READ "${path}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_VENKORA_STRIP}" --remove-section=.comment --remove-section=.note
                            "${path}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "strip failed on ${path}")
    endif()
  endif()
endforeach()
