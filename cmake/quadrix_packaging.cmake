# A Debian package of the program: `cpack -G DEB` in a build folder, or `make
# package`. Its dependencies come from dpkg-shlibdeps; Qt finds its platform
# plugins only at run time, so those are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quadrix)
set(CPACK_PACKAGE_VENDOR "ZEKT")
set(CPACK_PACKAGE_CONTACT "${QUADRIX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watch two approximations of pi improve while they run")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUADRIX_HOMEPAGE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUADRIX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's Wayland platform plugin; without it the program runs through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# CPack puts the summary in front of this as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quadrix approximates pi two ways and shows each approximation improving while
it runs: shooting random points into the unit square, and upper and lower
rectangle sums of the quarter circle with the stripes doubling every step.
One window, a tab per method, a steps-per-tick field, Start/Stop and Reset.")

include(CPack)
