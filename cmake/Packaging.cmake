# `cpack` in a build folder makes a Debian package of what `cmake --install` installs, under /usr.
# The shared libraries the programs link come from dpkg-shlibdeps; what they load at run time without
# linking it (Qt's platform plugins, Qt's German texts, the file-type database) is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quovadra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quovadra")
set(CPACK_PACKAGE_CONTACT "Quovadra <info@quovadra.de>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Keno 20 aus 70: Ziehungen, Spielscheine, Auswertung und Statistik")
# Debian shows the description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Quovadra keeps the draw history of the daily Keno game 20 aus 70, evaluates\n\
slips against past draws, shows number statistics and patterns and prints tip\n\
rows onto paper slips; quovadra-cli offers the same engine on the command line.\n\
German user interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QV_WEBSITE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, fonts-dejavu-core")
# Fast to build; the stripped programs are small.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
