# Run by cpack after it made the Debian package (CPACK_POST_BUILD_SCRIPTS):
# adds the Static-Built-Using field, which names the C library that the
# static program contains, to the package's control file. The package is
# unpacked and built again with dpkg-deb, which keeps every file, owner
# (root) and mode, and takes its time stamps from SOURCE_DATE_EPOCH.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree "${CPACK_TOPLEVEL_DIRECTORY}/static-built-using")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(READ "${tree}/DEBIAN/control" control)
    string(REGEX REPLACE "\nDescription:"
                         "\nStatic-Built-Using: ${CPACK_NETSIEVE_STATIC_BUILT_USING}\nDescription:"
                         control "${control}")
    if(NOT control MATCHES "\nStatic-Built-Using: ")
        message(FATAL_ERROR "${deb}: no Description field to put Static-Built-Using before")
    endif()
    file(WRITE "${tree}/DEBIAN/control" "${control}")
    # dpkg-deb wants its control folder and the root 0755, whatever the umask.
    file(CHMOD "${tree}" "${tree}/DEBIAN" DIRECTORY_PERMISSIONS
         OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    file(CHMOD "${tree}/DEBIAN/control" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
