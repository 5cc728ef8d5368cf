# Builds statically against musl with the system g++, through the specs file
# of Debian's musl-tools (package musl-dev). The program includes only the C
# library's headers, so libstdc++'s glibc-configured headers are never read;
# the specs file puts musl's headers, start files and libc.a in place of
# glibc's.
cmake_host_system_information(RESULT _netsieve_arch QUERY OS_PLATFORM)
set(NETSIEVE_MUSL_SPECS "/usr/lib/${_netsieve_arch}-linux-musl/musl-gcc.specs"
    CACHE FILEPATH "The musl-gcc specs file")
if(NOT EXISTS "${NETSIEVE_MUSL_SPECS}")
    message(FATAL_ERROR "musl: ${NETSIEVE_MUSL_SPECS} not found; install musl-tools "
                        "(apt-get install musl-tools)")
endif()

set(CMAKE_CXX_COMPILER g++)
set(CMAKE_CXX_FLAGS_INIT "-specs=${NETSIEVE_MUSL_SPECS}")
# The compile flags reach the link line too; the specs must be given once.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
