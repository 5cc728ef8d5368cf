# Cross-compiles for another Linux architecture with Debian's cross g++
# (g++-TRIPLE), for example NETSIEVE_CROSS_TRIPLE=s390x-linux-gnu. The
# presets cross-s390x, cross-powerpc, cross-i686 and cross-aarch64 set it.
if(NOT NETSIEVE_CROSS_TRIPLE)
    message(FATAL_ERROR "cross.cmake needs NETSIEVE_CROSS_TRIPLE, such as s390x-linux-gnu")
endif()
# try_compile reads this file again and needs the triple there too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES NETSIEVE_CROSS_TRIPLE)

string(REGEX REPLACE "-.*" "" _netsieve_processor "${NETSIEVE_CROSS_TRIPLE}")
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${_netsieve_processor})
set(CMAKE_CXX_COMPILER ${NETSIEVE_CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${NETSIEVE_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
