# A Debian package of the three programs and their desktop files: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME tessarin)
set(CPACK_PACKAGE_VENDOR "The Tessarin developers")
set(CPACK_PACKAGE_CONTACT "The Tessarin developers <developers@tessarin.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maker and game for classical cryptograms")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessarin makes and solves classical cryptograms.\n The maker turns a quotation into substitution, rail fence, Playfair, Quagmire\n and Vigenere cryptograms, prints them and packs them for solvers; the game\n edition solves them; the command-line tool brings the maker's engine to\n scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tessarin.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG picture plug-in is loaded at run time, so the linker cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
include(CPack)
