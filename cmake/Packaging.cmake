# The Debian package: `cpack -G DEB` in a build tree configured with
# CMAKE_INSTALL_PREFIX=/usr gives vantor_<version>_<arch>.deb
# (scripts/package.sh does both).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "${VANTOR_DEVELOPER}")
set(CPACK_PACKAGE_CONTACT "${VANTOR_DEVELOPER} <${VANTOR_CONTACT}>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loadout calculator for the VTs of a tactical combat game")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Vantor plans the loadout of a VT, a walking tank: pick one of 31 VTs, up to
three main weapons and three sub-weapons, two optional parts with their
levels and extra fuel tanks, and it shows at once the load data and the load
status, the statistics with the parts' bonuses, the VT's rankings among all
31 as figures and bar gauges, its picture, the weapons' and parts'
descriptions, a weapon range chart and intel on its faction.

It writes the loadout as an HTML page and as forum code, and reads either
back from the clipboard.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")

# Libraries from the binary; the fonts the window's pixel layout is made for
# (Liberation Sans, or Arimo with the same metrics), which nothing else pulls
# in. The program draws no SVG (its icon comes from PNG pictures), so the
# SVG image plugin is no dependency.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-croscore")
# A Wayland session then shows the window natively instead of through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
