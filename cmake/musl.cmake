# Builds against musl with the system g++. Debian's musl-tools installs
# musl-gcc, a wrapper that runs gcc with a file of driver rules that puts
# musl's headers, start files and libc.a in place of glibc's. The same rules
# serve g++ here: the program includes only the C library's headers, so
# libstdc++'s glibc-configured headers are never read.
find_program(NETSIEVE_MUSL_GCC musl-gcc)
if(NOT NETSIEVE_MUSL_GCC)
    message(FATAL_ERROR "musl: musl-gcc not found; install musl-tools "
                        "(apt-get install musl-tools)")
endif()

# The wrapper ends in: exec "${REALGCC:-...}" "$@" OPTION FILE, where FILE
# holds the driver rules.
file(STRINGS "${NETSIEVE_MUSL_GCC}" _netsieve_exec REGEX "^exec .*\"\\$@\" ")
string(REGEX REPLACE "^exec .*\"\\$@\" " "" _netsieve_options "${_netsieve_exec}")
separate_arguments(_netsieve_options UNIX_COMMAND "${_netsieve_options}")
set(_netsieve_at -1)
set(_netsieve_index 0)
foreach(_netsieve_option IN LISTS _netsieve_options)
    if(IS_ABSOLUTE "${_netsieve_option}" AND NOT IS_DIRECTORY "${_netsieve_option}" AND
       EXISTS "${_netsieve_option}")
        set(_netsieve_at ${_netsieve_index})
        set(_netsieve_rules "${_netsieve_option}")
    endif()
    math(EXPR _netsieve_index "${_netsieve_index} + 1")
endforeach()
if(_netsieve_at LESS 0)
    message(FATAL_ERROR "musl: ${NETSIEVE_MUSL_GCC} names no file of driver rules")
endif()

# Debian's rules always start a program with Scrt1.o and give the linker a
# link line of their own, so -static-pie gets neither musl's start file for
# a static PIE (rcrt1.o, in musl-dev beside Scrt1.o) nor its linker options.
# A copy of the rules, written into the build folder, adds both.
file(READ "${_netsieve_rules}" _netsieve_text)
string(REGEX REPLACE "%{!shared: ([^ }]+)/Scrt1\\.o}"
                     "%{static-pie:\\1/rcrt1.o;!shared:\\1/Scrt1.o}" _netsieve_text "${_netsieve_text}")
string(REGEX REPLACE "-dynamic-linker ([^ \n]+)" "%{!static-pie:-dynamic-linker \\1}"
                     _netsieve_text "${_netsieve_text}")
string(REPLACE "%{static:-static}" "%{static|static-pie:-static} %{static-pie:-pie --no-dynamic-linker -z text}"
               _netsieve_text "${_netsieve_text}")
if(NOT _netsieve_text MATCHES "static-pie:[^;]*rcrt1\\.o" OR
   NOT _netsieve_text MATCHES "!static-pie:-dynamic-linker" OR
   NOT _netsieve_text MATCHES "--no-dynamic-linker")
    message(FATAL_ERROR "musl: ${_netsieve_rules} is not laid out as expected; "
                        "cannot add the static PIE start file to it")
endif()
set(_netsieve_own_rules "${CMAKE_BINARY_DIR}/musl-gcc-static-pie.rules")
file(CONFIGURE OUTPUT "${_netsieve_own_rules}" CONTENT "${_netsieve_text}" @ONLY)
list(REMOVE_AT _netsieve_options ${_netsieve_at})
list(INSERT _netsieve_options ${_netsieve_at} "${_netsieve_own_rules}")
list(JOIN _netsieve_options " " _netsieve_options)

set(CMAKE_CXX_COMPILER g++)
# The compile flags reach the link line too, so the options stand there once.
set(CMAKE_CXX_FLAGS_INIT "${_netsieve_options}")
