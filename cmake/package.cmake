# The Debian package, built by CPack from the install rules: scripts/package builds it with
# Debian's compiler flags. With SOURCE_DATE_EPOCH set, two builds give the same bytes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tictactoe)
set(CPACK_PACKAGE_VENDOR TAVROK)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/stripbinaries.cmake)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses against the computer")
set(CPACK_PACKAGE_DESCRIPTION "TAVROK Tic-Tac-Toe is the classic game of noughts and crosses for one
player. You play X and always move first; the computer plays O and answers
every move from a fixed table of rules. Three O's in a line win the game for
the computer, a full board is a tie, and a Player Ratings message rates both
sides at the end of each game.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_VERSION 1.00)
set(CPACK_DEBIAN_PACKAGE_RELEASE "")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "TAVROK <games@tavrok.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
include(CPack)
