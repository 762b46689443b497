# The .deb: one package, `crossword`, holding the game and every pack installer built.
# Library dependencies come from dpkg-shlibdeps, so they match the libraries linked.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME crossword)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Crossword developers")
set(CPACK_PACKAGE_CONTACT "Crossword developers <crossword@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "crossword game for .puz, .ipuz, .jpz and .xd files, with six puzzle packs")
# CPack puts the summary first and indents this text below it, a blank line as " .".
set(CPACK_PACKAGE_DESCRIPTION
    "Crossword plays .puz, .ipuz, .jpz (bare or zipped) and .xd crossword files
in a window the size of a 240 x 320 handheld touch screen: three
magnifications, the current word and its clue, an on-screen keyboard, fill,
clear, reveal and check, a clue list, progress kept per puzzle, and downloads
of new puzzles over HTTP.

The Brambleset programs each carry a pack of 31 puzzles and install them
for the game. Every file the programs write stays in the user's data folder.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open shows the help pages and download links; the Liberation faces give the
# Arial-metric text the artwork was laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2, fonts-noto-color-emoji")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
