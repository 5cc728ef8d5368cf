# Run by cpack on its staging tree before it packs it
# (CPACK_PRE_BUILD_SCRIPTS): every folder 0755. The folders that install()
# creates for its files are made with the builder's umask applied, so
# under umask 027 they would be 0750.
file(GLOB_RECURSE folders LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
list(FILTER folders EXCLUDE REGEX "^$")
foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
        file(CHMOD "${folder}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
endforeach()
