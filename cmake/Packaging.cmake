# The Debian package: `cpack -G DEB` in the build folder makes
# vexlor_<version>-1_<arch>.deb from the install rules, its version taken
# from project(). Its runtime dependencies are computed by dpkg-shlibdeps
# (package dpkg-dev).
set(VEXLOR_PACKAGE_MAINTAINER "The Vexlor developers <developers@vexlor.invalid>"
    CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexlor)
set(CPACK_PACKAGE_VENDOR "The Vexlor developers")
set(CPACK_PACKAGE_CONTACT "${VEXLOR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decoder for the cowl tag and VIN of 1967-1969 Camaro cars")
set(CPACK_PACKAGE_DESCRIPTION
    "Vexlor reads the cowl tag of a 1967, 1968 or 1969 Camaro (the body plate
headed GENERAL MOTORS CORPORATION or BODY BY FISHER) and the first half and
serial of its VIN, and explains every code in plain words: body style,
assembly plant, body number, interior trim, paint, build week and, on 1967
tags, the option groups. Where a code is unknown, incomplete or contradicts
another field or the VIN, the line says so.
.
The package holds the desktop program vexlor, a form drawn like the tag of
the chosen model year, vexlor-decode, the same decoder on the command line
with JSON output and a batch mode, and vexlor-registry, which reads the
decode files owners send in into the research group's SQLite registry.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The whole install, and the files only the package carries (its changelog).
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Vexlor;ALL;/" "${CMAKE_BINARY_DIR};Vexlor;debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VEXLOR_HOMEPAGE}")
# The window's X11 platform plugin comes with libqt6gui6, which dpkg-shlibdeps
# finds; saved files are shown with xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)

# Reproducible packing: file dates from SOURCE_DATE_EPOCH, or from the last commit.
find_package(Git QUIET)
configure_file(cmake/CPackProjectConfig.cmake.in ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/CPackProjectConfig.cmake)

include(CPack)
