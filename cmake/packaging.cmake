# `make package`: a Debian package of the window and everything it installs.
# Its dependencies are read from the shared libraries the programs link;
# Qt's platform plugins and translations come as packages of their own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_VENDOR "Quorrin Jr developers")
set(CPACK_PACKAGE_CONTACT "Quorrin Jr developers <dev@quorrin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn a folder into a plain-text list of its files")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A small desktop utility with a Japanese user interface that lists one folder's files as\n"
       "text: path, name, size, date and a genre guessed from the name, separated and quoted as\n"
       "chosen, saved in UTF-8, Shift_JIS or UTF-16 or copied to the clipboard.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUORRIN_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic | fonts-noto-cjk")
include(CPack)
