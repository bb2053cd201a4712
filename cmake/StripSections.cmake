# Run by CPack on the staged files: drops the compiler's notes that a stripped program still
# carries, as Debian's own packaging tools do.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
