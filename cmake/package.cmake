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
# Written only when it changes, so that the compressed page is not made
# again on every configure.
set(man_page "${PROJECT_BINARY_DIR}/netsieve.1")
set(man_old "")
if(EXISTS "${man_page}")
    file(READ "${man_page}" man_old)
endif()
if(NOT man_old STREQUAL man_text)
    file(WRITE "${man_page}" "${man_text}")
endif()

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

# Modes are set here, not taken from the builder's umask: folders 0755,
# the program 0755, every other file 0644.
set(mode_dir OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(mode_file OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${mode_dir})
# install() creates folders with the umask applied all the same: the
# package's modes are set again before cpack packs them.
set(CPACK_PRE_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/cpack-modes.cmake")
install(TARGETS netsieve RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        PERMISSIONS ${mode_dir})
install(FILES "${PROJECT_BINARY_DIR}/netsieve.1.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        PERMISSIONS ${mode_file})
install(FILES "${PROJECT_BINARY_DIR}/changelog.gz" packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR} PERMISSIONS ${mode_file})

set(CPACK_PACKAGE_NAME netsieve)
set(CPACK_PACKAGE_VENDOR "netsieve developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "test whether an IPv4 address lies inside a network")
# dpkg's name for the target's architecture, so that a cross build's
# package is named and labelled for the machine its program runs on.
set(deb_arch_x86_64 amd64)
set(deb_arch_AMD64 amd64)
set(deb_arch_i686 i386)
set(deb_arch_i386 i386)
set(deb_arch_aarch64 arm64)
set(deb_arch_s390x s390x)
set(deb_arch_powerpc powerpc)
if(WIN32)
    # A Windows program has no Debian package: cmake/cpack-project.cmake
    # refuses the DEB generator there.
    set(CPACK_GENERATOR ZIP)
elseif(DEFINED deb_arch_${CMAKE_SYSTEM_PROCESSOR})
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_arch_${CMAKE_SYSTEM_PROCESSOR}})
else()
    message(FATAL_ERROR "netsieve: no Debian architecture known for ${CMAKE_SYSTEM_PROCESSOR}")
endif()
set(CPACK_NETSIEVE_SYSTEM "${CMAKE_SYSTEM_NAME}")
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/cpack-project.cmake")
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
elseif(NOT WIN32)
    # A static program contains its C library: the package names the Debian
    # source package and version it came from (Static-Built-Using), as dpkg
    # knows them at build time. CPack has no variable for the field; a
    # script that cpack runs after it made the package adds it.
    if(NETSIEVE_LIBC_USED STREQUAL "musl")
        set(libc_dev musl-dev)
    elseif(CMAKE_CROSSCOMPILING)
        set(libc_dev "libc6-dev-${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}-cross")
    else()
        set(libc_dev libc6-dev)
    endif()
    execute_process(COMMAND dpkg-query -W "-f=\${source:Package} (= \${source:Version})" ${libc_dev}
                    OUTPUT_VARIABLE CPACK_NETSIEVE_STATIC_BUILT_USING
                    RESULT_VARIABLE libc_known ERROR_QUIET)
    if(libc_known EQUAL 0)
        set(CPACK_POST_BUILD_SCRIPTS "${PROJECT_SOURCE_DIR}/cmake/deb-static-built-using.cmake")
    else()
        message(STATUS "netsieve: dpkg does not know ${libc_dev}: no Static-Built-Using field")
    endif()
endif()
include(CPack)

# The release archives, the package and their sums, in BUILD/artifacts: see
# packaging/dist.
option(NETSIEVE_DIST "Make the release artifacts with the build (target dist)" OFF)
if(NETSIEVE_DIST)
    add_custom_target(dist ALL
        COMMAND ${CMAKE_COMMAND} -E env CMAKE=${CMAKE_COMMAND} CPACK=${CMAKE_CPACK_COMMAND}
                bash ${PROJECT_SOURCE_DIR}/packaging/dist ${PROJECT_SOURCE_DIR}
                ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} $<TARGET_FILE:netsieve> ${NETSIEVE_LIBC_USED}
        DEPENDS netsieve docs
        USES_TERMINAL
        VERBATIM)
endif()
