# Run by CPack once the archives are made: the player executable's symbols beside them.
file(COPY ${CPACK_SKYLARK_SYMBOLS} DESTINATION ${CPACK_PACKAGE_DIRECTORY})
