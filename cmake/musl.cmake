# Builds statically against musl with the system g++. Debian's musl-tools
# installs musl-gcc, a wrapper that runs gcc with options that put musl's
# headers, start files and libc.a in place of glibc's. The same options serve
# g++ here: the program includes only the C library's headers, so
# libstdc++'s glibc-configured headers are never read.
find_program(NETSIEVE_MUSL_GCC musl-gcc)
if(NOT NETSIEVE_MUSL_GCC)
    message(FATAL_ERROR "musl: musl-gcc not found; install musl-tools "
                        "(apt-get install musl-tools)")
endif()

# The wrapper ends in: exec "${REALGCC:-...}" "$@" OPTIONS...
file(STRINGS "${NETSIEVE_MUSL_GCC}" _netsieve_exec REGEX "^exec .*\"\\$@\" ")
string(REGEX REPLACE "^exec .*\"\\$@\" " "" _netsieve_options "${_netsieve_exec}")
separate_arguments(_netsieve_options UNIX_COMMAND "${_netsieve_options}")
if(NOT _netsieve_options)
    message(FATAL_ERROR "musl: no options found in ${NETSIEVE_MUSL_GCC}")
endif()
list(JOIN _netsieve_options " " _netsieve_options)

set(CMAKE_CXX_COMPILER g++)
# The compile flags reach the link line too, so the options stand there once.
set(CMAKE_CXX_FLAGS_INIT "${_netsieve_options}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
