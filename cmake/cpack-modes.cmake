# Run by cpack on its staging tree before it packs it
# (CPACK_PRE_BUILD_SCRIPTS), so that the package's modes do not follow the
# builder's umask: every folder 0755, the programs in usr/bin 0755, every
# other file 0644. install() creates folders with the umask applied, and
# the files that cpack copies in (lintian's override) keep a checkout's
# modes, which follow the umask too.
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(entry IN LISTS entries)
    if(IS_SYMLINK "${entry}")
        continue()
    elseif(IS_DIRECTORY "${entry}" OR entry MATCHES "/usr/bin/[^/]+$")
        file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
             GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        file(CHMOD "${entry}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
