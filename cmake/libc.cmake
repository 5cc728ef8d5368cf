# Chooses the C library of the program before the project's languages are
# enabled. musl's start-up does none of the processor probing that glibc's
# does, so a static program against musl starts faster (see the README's
# Performance section for the figures); a static build without tests takes
# musl where Debian's musl-tools is installed. The tests are built with
# GoogleTest, which needs glibc. NETSIEVE_LIBC=musl or glibc chooses
# explicitly. A toolchain file given on the command line or by a preset
# decides on its own.
set(NETSIEVE_LIBC "" CACHE STRING
    "C library of the program: musl, glibc, or empty to pick musl for a static build without tests where musl-tools is installed")
set_property(CACHE NETSIEVE_LIBC PROPERTY STRINGS "" musl glibc)

if(DEFINED CMAKE_TOOLCHAIN_FILE AND NOT CMAKE_TOOLCHAIN_FILE MATCHES "/musl\\.cmake$")
    return()
endif()

# musl-tools brings musl-gcc; cmake/musl.cmake takes its options from it.
find_program(NETSIEVE_MUSL_GCC musl-gcc)
set(_netsieve_libc "${NETSIEVE_LIBC}")
if(_netsieve_libc STREQUAL "")
    if(NETSIEVE_STATIC AND NOT NETSIEVE_TESTS AND NETSIEVE_MUSL_GCC)
        set(_netsieve_libc musl)
    else()
        set(_netsieve_libc glibc)
        if(NETSIEVE_STATIC AND NOT NETSIEVE_TESTS)
            message(NOTICE "netsieve: musl-tools is not installed, so the program is linked "
                           "against glibc; with musl (apt-get install musl-tools) it starts "
                           "faster")
        endif()
    endif()
elseif(NOT _netsieve_libc MATCHES "^(musl|glibc)$")
    message(FATAL_ERROR "NETSIEVE_LIBC is '${NETSIEVE_LIBC}'; use musl, glibc or leave it empty")
endif()

if(NETSIEVE_TESTS AND (_netsieve_libc STREQUAL "musl" OR NETSIEVE_LIBC_USED STREQUAL "musl"))
    message(FATAL_ERROR "netsieve: musl needs NETSIEVE_TESTS=OFF: the tests use GoogleTest, "
                        "which is built for glibc. For the tests, configure a folder of their "
                        "own (cmake --preset dev) or start this one afresh with glibc "
                        "(cmake --fresh ... -DNETSIEVE_LIBC=glibc)")
endif()
# A folder keeps the compiler of its first configure: the toolchain file
# takes effect then and only then. So the C library cannot change later.
if(DEFINED NETSIEVE_LIBC_USED AND NOT NETSIEVE_LIBC_USED STREQUAL _netsieve_libc)
    message(FATAL_ERROR "netsieve: ${CMAKE_BINARY_DIR} was configured against "
                        "${NETSIEVE_LIBC_USED} and would now take ${_netsieve_libc}, but a build "
                        "folder keeps the compiler of its first configure. Start it afresh "
                        "(cmake --fresh --preset release, or cmake --fresh with your options) "
                        "or use a new build folder")
endif()

if(_netsieve_libc STREQUAL "musl")
    set(CMAKE_TOOLCHAIN_FILE "${CMAKE_CURRENT_LIST_DIR}/musl.cmake")
endif()
set(NETSIEVE_LIBC_USED "${_netsieve_libc}" CACHE INTERNAL "The C library the program is built against")
message(STATUS "netsieve: C library ${_netsieve_libc}")
