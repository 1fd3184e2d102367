# Run by cpack once the files are staged (CPACK_PRE_BUILD_SCRIPTS): strips the
# programs as Debian's dh_strip does, without the symbols and without the
# .comment and .note sections that name the compiler.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_DISHWRIGHT_STRIP} --remove-section=.comment
                          --remove-section=.note ${program}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot strip ${program}")
  endif()
endforeach()
