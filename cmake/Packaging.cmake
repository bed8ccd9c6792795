# Debian package of the installed files: cd build && cpack -G DEB. Made from an
# optimised build (the default), it carries the hardening flags (Hardening.cmake)
# and passes lintian without errors or warnings.
set(TABREP_MAINTAINER "The tabrep maintainers <maintainers@tabrep.invalid>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabrep)
set(CPACK_PACKAGE_CONTACT "${TABREP_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Report wizard of the Omnivale contact manager")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
# The extended description as Debian shows it: lines within 80 characters, and
# no double quotes (CPack writes the text into a CMake string).
set(CPACK_PACKAGE_DESCRIPTION [[
Designs the report definition files (*.rpt) that the contact manager's
Reports screen runs, from its Paradox tables under the database alias OMNIV,
set in ~/.config/tabulon/aliases.ini. Its window is titled Tabulon Personal.
The package brings tabrep-report, which lists, shows and checks reports in a
terminal, and tabrep-demo, which makes demo data to try the wizard on.]])
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The Qt libraries come from the binary's own needs; the platform plugins and the
# SVG icon engine are loaded at run time, and the pages are laid out for the
# Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation")
# On a Wayland desktop the window runs natively with Qt's Wayland platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
