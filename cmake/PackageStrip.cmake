# Run by CPack on the installed files before it packs them. The install's
# strip leaves the compiler's .comment and the .note section in the
# programs; Debian's own packages drop them as well.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(GLOB programs "${root}/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
# The modules the programs load on first use as well.
file(GLOB_RECURSE modules "${root}/lib/*.so")
list(APPEND programs ${modules})
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_VARKEL_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot strip ${program}")
  endif()
endforeach()
