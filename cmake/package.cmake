# Installation, the Debian package (`cpack -G DEB` in a build folder) and,
# with NETSIEVE_DIST, the release archives (target `dist`).
include(GNUInstallDirs)

# The version lives in project() alone: the installed manual page takes it
# from there into its .TH line. The source page names no version, so that it
# reads and lints cleanly on its own.
set(man_source "${PROJECT_SOURCE_DIR}/man/netsieve.1")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${man_source}")
file(READ "${man_source}" man_text)
string(REGEX REPLACE "^(\\.TH NETSIEVE 1 [^ ]+) netsieve " "\\1 \"netsieve ${PROJECT_VERSION}\" "
                     man_text "${man_text}")
if(NOT man_text MATCHES "^\\.TH [^\n]*netsieve ${PROJECT_VERSION}")
    message(FATAL_ERROR "man/netsieve.1: its .TH line is not '.TH NETSIEVE 1 DATE netsieve ...'")
endif()
file(WRITE "${PROJECT_BINARY_DIR}/netsieve.1" "${man_text}")

# Compressed without a name or a time stamp in the gzip header, so that the
# result depends on the contents alone.
add_custom_command(
    OUTPUT netsieve.1.gz
    COMMAND gzip -9n -c netsieve.1 > netsieve.1.gz
    DEPENDS "${PROJECT_BINARY_DIR}/netsieve.1"
    VERBATIM)
# The maintainer is a placeholder: the project has no address of its own yet.
set(NETSIEVE_MAINTAINER "netsieve developers <netsieve@example.org>")
# Debian's tools read a native package's changelog in their own format: the
# one installed is CHANGELOG.md in that form.
add_custom_command(
    OUTPUT changelog.gz
    COMMAND ${CMAKE_COMMAND} -DIN=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUT=changelog
            -DPACKAGE=netsieve -DMAINTAINER=${NETSIEVE_MAINTAINER}
            -P ${PROJECT_SOURCE_DIR}/cmake/debian-changelog.cmake
    COMMAND gzip -9n -f changelog
    DEPENDS "${PROJECT_SOURCE_DIR}/CHANGELOG.md" "${PROJECT_SOURCE_DIR}/cmake/debian-changelog.cmake"
    VERBATIM)
add_custom_target(docs ALL DEPENDS netsieve.1.gz changelog.gz)

install(TARGETS netsieve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${PROJECT_BINARY_DIR}/netsieve.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES "${PROJECT_BINARY_DIR}/changelog.gz" packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/netsieve)

set(CPACK_PACKAGE_NAME netsieve)
set(CPACK_PACKAGE_VENDOR "netsieve developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test whether an IPv4 address lies inside a network")
set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}_${PROJECT_VERSION}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${NETSIEVE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The summary above becomes the first line of the package description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "netsieve checks a dotted-quad address against a network written as\n\
address/prefix length, prints a report of the masking in binary and\n\
hexadecimal, and ends with a True or False verdict line. Its exit status\n\
(0 inside, 1 outside, 2 trouble) serves scripts.")
# Files that only the Debian package carries: lintian's override, with the
# reason for the static program.
set(CPACK_INSTALLED_DIRECTORIES "${PROJECT_SOURCE_DIR}/packaging/debian;/")
# A statically linked program needs no shared libraries; other builds ask
# dpkg-shlibdeps for them.
if(NOT NETSIEVE_STATIC)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)

# The release archives, the package and their sums, in BUILD/artifacts: see
# packaging/dist.
option(NETSIEVE_DIST "Make the release artifacts with the build (target dist)" OFF)
if(NETSIEVE_DIST)
    add_custom_target(dist ALL
        COMMAND ${CMAKE_COMMAND} -E env CMAKE=${CMAKE_COMMAND} CPACK=${CMAKE_CPACK_COMMAND}
                bash ${PROJECT_SOURCE_DIR}/packaging/dist ${PROJECT_SOURCE_DIR}
                ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} $<TARGET_FILE:netsieve>
        DEPENDS netsieve docs
        USES_TERMINAL
        VERBATIM)
endif()
