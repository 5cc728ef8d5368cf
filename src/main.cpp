// The program entry. run() takes the arguments as byte texts; on Windows
// they are taken from the system as UTF-16 and converted to UTF-8 here, so
// that run() sees exactly what the user passed. A narrow main would get them
// converted to the ANSI code page with best-fit mapping instead, where a
// character that the code page lacks becomes a look-alike ('１' becomes '1')
// or '?', a wildcard of the dotted quad.
#include "entry.hpp"

#ifdef _WIN32

#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

namespace {

// The UTF-8 form of one argument, from malloc; null when memory runs out.
// With flags 0 an unpaired surrogate becomes U+FFFD, which the check refuses
// like any other character that is not part of a dotted quad.
char* utf8_of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return nullptr;
    }
    char* bytes = static_cast<char*>(malloc(static_cast<size_t>(size)));
    if (bytes != nullptr &&
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, size, nullptr, nullptr) != size) {
        free(bytes);
        return nullptr;
    }
    return bytes;
}

} // namespace

// Linked with -municode, so that the runtime hands over the UTF-16 vector.
int wmain(int argc, wchar_t** wargv) {
    char** argv = static_cast<char**>(calloc(static_cast<size_t>(argc) + 1, sizeof(char*)));
    bool complete = argv != nullptr;
    for (int i = 0; complete && i < argc; ++i) {
        argv[i] = utf8_of(wargv[i]);
        complete = argv[i] != nullptr;
    }
    int status = netsieve::exit_trouble;
    if (complete) {
        status = netsieve::run(argc, argv);
    } else {
        printf("Out of memory reading the arguments\n");
        fflush(stdout);
    }
    for (int i = 0; argv != nullptr && i < argc; ++i) {
        free(argv[i]);
    }
    free(argv);
    return status;
}

#else

int main(int argc, char** argv) {
    return netsieve::run(argc, argv);
}

#endif
