# Installs the build into a scratch DESTDIR and checks what lands where, and that the game
# finds the system information program and its Wayland module from their installed folders.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${OUT}
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed RELATIVE ${OUT} ${OUT}/*)
list(SORT installed)

set(expected
    usr/games/${NAME}
    usr/${LIBDIR}/tictactoe/tictactoe-wayland.so
    usr/libexec/tictactoe/tictactoe-sysinfo
    usr/share/applications/${ID}.desktop
    usr/share/icons/hicolor/128x128/apps/${ID}.png
    usr/share/icons/hicolor/16x16/apps/${ID}.png
    usr/share/icons/hicolor/22x22/apps/${ID}.png
    usr/share/icons/hicolor/24x24/apps/${ID}.png
    usr/share/icons/hicolor/256x256/apps/${ID}.png
    usr/share/icons/hicolor/32x32/apps/${ID}.png
    usr/share/icons/hicolor/48x48/apps/${ID}.png
    usr/share/icons/hicolor/64x64/apps/${ID}.png
    usr/share/icons/hicolor/scalable/apps/${ID}.svg
    usr/share/man/man6/${NAME}.6
    usr/share/metainfo/${ID}.metainfo.xml)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed:\n${installed}\nexpected:\n${expected}")
endif()

# The game looks for the program and its module in the folders it was built to be installed
# to (here under /usr rather than the prefix it was built for).
foreach(found "-x;${LIBEXEC_DIR}/tictactoe-sysinfo" "-f;${MODULE_DIR}/tictactoe-wayland.so")
    string(REPLACE "${PREFIX}/" "${OUT}/usr/" found "${found}")
    execute_process(COMMAND test ${found} RESULT_VARIABLE missing)
    if(missing)
        message(FATAL_ERROR "the installed game would not find ${found}")
    endif()
endforeach()
