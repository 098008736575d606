# The Debian package: the program with its desktop entry, icon and file type
# (installed by app/), its manual page, AppStream metadata and copyright.
# "cpack -G DEB" in the build folder makes rondel_<version>_<arch>.deb.

set(RONDEL_APP_ID io.github.rondel.Rondel)
set(packaging ${CMAKE_CURRENT_LIST_DIR})

configure_file(${packaging}/rondel.1.in ${CMAKE_BINARY_DIR}/rondel.1 @ONLY)
configure_file(${packaging}/rondel.metainfo.xml.in ${CMAKE_BINARY_DIR}/${RONDEL_APP_ID}.metainfo.xml @ONLY)

# Debian keeps manual pages compressed, with no time stamp inside.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/rondel.1.gz
  COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/rondel.1 > ${CMAKE_BINARY_DIR}/rondel.1.gz
  DEPENDS ${CMAKE_BINARY_DIR}/rondel.1)
add_custom_target(rondel_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/rondel.1.gz)

# The copyright file in Debian's machine-readable form, around the licence's
# own text: a blank line becomes " .", every other line is indented.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "\n$" "" license "${license}")
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license "${license}")
file(WRITE ${CMAKE_BINARY_DIR}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Rondel\n\n"
  "Files: *\n"
  "Copyright: 2026 The Rondel developers\n"
  "License: Expat\n"
  " ${license}\n")

install(FILES ${CMAKE_BINARY_DIR}/rondel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/${RONDEL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rondel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rondel)
set(CPACK_PACKAGE_VENDOR "The Rondel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw gear curves, families of them and their animations")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Rondel draws the curves that a pen traces on a gear rolling inside or outside a fixed gear. "
  "A generator makes whole families of curves; the drawing list plays as a film, and is saved, "
  "reopened and exported as SVG, PNG, a Windows metafile or an animated GIF.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Rondel developers <rondel@users.noreply.github.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The dependencies are read from the program's shared libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
