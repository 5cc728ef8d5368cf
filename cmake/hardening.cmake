# The static programs are hardened as Debian hardens its packages
# (dpkg-buildflags with hardening=+all), and linked as static PIE where the
# C library has the start file for it (rcrt1.o), as Alpine's and Rust's musl
# targets link static programs: the code too is then loaded at a random
# address. Where it lacks one (Debian's s390x and powerpc cross C
# libraries) the program stays a plain static one.
set(_netsieve_compile -fstack-protector-strong)
set(_netsieve_link -static)
if(WIN32)
    # MinGW-w64's stack protector lives in libssp, which the driver adds
    # when the flag reaches the link line too.
    target_link_options(netsieve PRIVATE -fstack-protector-strong)
else()
    list(APPEND _netsieve_compile -fstack-clash-protection)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i[3-6]86)$")
        list(APPEND _netsieve_compile -fcf-protection)
    endif()
    # musl has no fortified functions; glibc has, in optimised builds.
    if(NOT NETSIEVE_LIBC_USED STREQUAL "musl")
        list(APPEND _netsieve_compile -D_FORTIFY_SOURCE=2)
    endif()
    if(NETSIEVE_LIBC_USED STREQUAL "musl")
        set(_netsieve_rcrt1 musl) # cmake/musl.cmake's driver rules name it
    else()
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=rcrt1.o
                        OUTPUT_VARIABLE _netsieve_rcrt1 OUTPUT_STRIP_TRAILING_WHITESPACE)
    endif()
    if(_netsieve_rcrt1 STREQUAL "musl" OR IS_ABSOLUTE "${_netsieve_rcrt1}")
        list(APPEND _netsieve_compile -fPIE)
        set(_netsieve_link -static-pie)
    else()
        message(STATUS "netsieve: no rcrt1.o for ${CMAKE_CXX_COMPILER}: static, not static PIE")
    endif()
    list(APPEND _netsieve_link -Wl,-z,relro -Wl,-z,now -Wl,-z,noexecstack)
    # The compilers' notes in .comment serve nothing in an installed program.
    if(CMAKE_OBJCOPY)
        add_custom_command(TARGET netsieve POST_BUILD
            COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:netsieve>
            VERBATIM)
    endif()
endif()
target_compile_options(netsieve_core PRIVATE ${_netsieve_compile})
target_compile_options(netsieve PRIVATE ${_netsieve_compile})
target_link_options(netsieve PRIVATE ${_netsieve_link})
