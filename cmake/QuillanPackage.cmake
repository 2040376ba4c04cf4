# The Debian package of everything `cmake --install` puts in place (scripts/package makes it).
# Its dependencies are read from the shared libraries the programs link (dpkg-shlibdeps), plus
# what is loaded at run time and so invisible to it: the CJK font and the TIFF plugin.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Quillan developers <quillan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese given names by stroke-count numerology")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillan helps parents choose a Chinese given name for their baby by
stroke-count numerology, shown as folk custom for entertainment: the five
grids of a name from the Kangxi stroke counts, the 81-number luck table, the
three-talents combination and a total score. It generates names for a
surname, scores a name in a report and draws a naming certificate.

The package holds the desktop program, quillan-cli, the data service
quillan-dataservice with a hardened systemd unit (not enabled), the character
database and the content pages.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# CPack's Debian generator installs with this prefix into a staging DESTDIR, whatever the build's
# prefix, so that the unit and settings land in /lib and /etc (deploy/InstallServiceFiles.cmake.in).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-image-formats-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The settings file is the administrator's: kept across upgrades.
file(WRITE "${PROJECT_BINARY_DIR}/debian-control/conffiles" "/etc/quillan/dataservice.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_BINARY_DIR}/debian-control/conffiles")
include(CPack)
