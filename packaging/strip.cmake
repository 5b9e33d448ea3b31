# Run by CPack on the staged files before it packs them: strips the programs the way Debian's
# dh_strip does, so that the packages carry no symbols and no compiler identification sections.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(file MATCHES "/usr/(bin|libexec/korvel)/[^/]+$" AND NOT IS_SYMLINK "${file}")
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
      execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded "${file}"
        RESULT_VARIABLE result)
      if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not strip ${file}")
      endif()
    endif()
  endif()
endforeach()
