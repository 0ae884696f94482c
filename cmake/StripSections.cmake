# Run by CPack once the files are staged: strips the programs as dh_strip does, the .comment and .note
# sections (compiler versions and such) with the symbols.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_LOCKFERN_BINDIR}/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_LOCKFERN_STRIP}" --remove-section=.comment --remove-section=.note "${program}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
