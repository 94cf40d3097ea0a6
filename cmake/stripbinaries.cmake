# Run by CPack on its staging folder before it packs: strips the programs as Debian's own
# packaging does, symbols and the .comment and .note sections alike.
foreach(program usr/games/Tic-Tac-Toe usr/libexec/tictactoe/tictactoe-sysinfo)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note
                            ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/${program}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "cannot strip ${program}")
    endif()
endforeach()
