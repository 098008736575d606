# The Debian package: the program with its desktop entry, icon and file type
# (installed by app/), its manual page, AppStream metadata and copyright.
# "cpack -G DEB" in the build folder makes rondel_<version>_<arch>.deb.

set(RONDEL_APP_ID io.github.rondel.Rondel)
set(RONDEL_MAINTAINER "The Rondel developers <rondel@users.noreply.github.com>")
set(packaging ${CMAKE_CURRENT_LIST_DIR})

configure_file(${packaging}/rondel.1.in ${CMAKE_BINARY_DIR}/rondel.1 @ONLY)
configure_file(${packaging}/rondel.metainfo.xml.in ${CMAKE_BINARY_DIR}/${RONDEL_APP_ID}.metainfo.xml @ONLY)

# A native package's changelog: this release, dated as Debian dates it.
execute_process(COMMAND date -R -u -d ${RONDEL_RELEASE_DATE}
  OUTPUT_VARIABLE RONDEL_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${packaging}/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)

# Debian keeps manual pages and changelogs compressed, with no time stamp
# inside.
foreach(document rondel.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${document}.gz
    COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/${document} > ${CMAKE_BINARY_DIR}/${document}.gz
    DEPENDS ${CMAKE_BINARY_DIR}/${document})
endforeach()
add_custom_target(rondel_documents ALL DEPENDS ${CMAKE_BINARY_DIR}/rondel.1.gz ${CMAKE_BINARY_DIR}/changelog.gz)

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
install(FILES ${CMAKE_BINARY_DIR}/copyright ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rondel)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rondel)
set(CPACK_PACKAGE_VENDOR "The Rondel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw gear curves, families of them and their animations")
# Lines of the long description fit in 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Rondel draws the curves that a pen traces on a gear rolling inside or\n"
  "outside a fixed gear. A generator makes whole families of curves; the\n"
  "drawing list plays as a film, and is saved, reopened and exported as SVG,\n"
  "PNG, a Windows metafile or an animated GIF.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${RONDEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The dependencies are read from the program's shared libraries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
