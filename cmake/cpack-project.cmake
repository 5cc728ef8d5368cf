# Read by cpack once for each generator it runs.
if(CPACK_GENERATOR STREQUAL "DEB" AND CPACK_NETSIEVE_SYSTEM STREQUAL "Windows")
    message(FATAL_ERROR "netsieve: a Windows build makes no Debian package; "
                        "run cpack -G DEB in a Linux build folder")
endif()
