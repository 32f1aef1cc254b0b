# The documents that go with the program (manual page, licence, changelog), their install
# rules, and the Debian package that cpack makes in the build folder.
include(GNUInstallDirs)

set(KONIKA_MAINTAINER "konika developers <developers@konika.invalid>"
    CACHE STRING "Maintainer of the Debian package: a name and a mail address")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

set(documents ${CMAKE_BINARY_DIR}/packaging)

# Manual pages and Debian changelogs are installed compressed, without a name or time stamp
# in the gzip header, so that the same sources make the same package.
function(konika_gzip file)
  execute_process(COMMAND gzip -9nkf ${file} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

configure_file(${CMAKE_SOURCE_DIR}/docs/konika.1.in ${documents}/konika.1 @ONLY)
konika_gzip(${documents}/konika.1)

# The newest entry of the changelog must be the version that is packaged.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${documents}/changelog.Debian @ONLY)
file(STRINGS ${documents}/changelog.Debian newest LIMIT_COUNT 1)
set(packaged "konika (${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})")
string(FIND "${newest}" "${packaged} " at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "packaging/changelog.in begins with \"${newest}\"; "
                      "add an entry for ${packaged} at its top")
endif()
konika_gzip(${documents}/changelog.Debian)

# The Debian copyright file states the LICENSE in the machine-readable format: its
# copyright line, then the licence terms as an indented field ("." for an empty line).
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
if(NOT licence MATCHES "Copyright \\(c\\) ([^\n]+)\n\n(.+)")
  message(FATAL_ERROR "LICENSE has no line \"Copyright (c) YEAR HOLDERS\" before its terms")
endif()
set(KONIKA_COPYRIGHT ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " KONIKA_LICENCE_TERMS " ${terms}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${documents}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)

if(TARGET konika)
  install(FILES ${documents}/konika.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${documents}/copyright ${documents}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME konika)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reduce conics to canonical form step by step and draw them")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_LIST_DIR}/description.txt)
set(CPACK_PACKAGE_CONTACT ${KONIKA_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
# Depends lists every shared library the binary links, with the version it needs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
