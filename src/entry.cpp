#include "entry.hpp"

#include "membership/membership.hpp"
#include "text/text.hpp"

#include <limits.h>
#include <stdio.h>
#include <string.h>

namespace netsieve {

namespace {

constexpr int max_base_name = 256;

int usage(const char* name) {
    printf("%s: Tests if an IP address is in a given CIDR range\n", base_name(name));
    printf("Syntax is %s <IP-net/CDIR> <IP>\n", base_name(name));
    printf("Example: %s 10.0.0.0/13 10.7.1.2\n", base_name(name));
    return exit_trouble;
}

int status_of(membership result) {
    switch (result) {
    case membership::inside:
        return exit_inside;
    case membership::outside:
        return exit_outside;
    case membership::rejected:
        break;
    }
    return exit_trouble;
}

} // namespace

int char_rpos(const char* text, char c) {
    const size_t length = strlen(text);
    // Positions that would not fit an int are never reported.
    for (size_t i = length < INT_MAX ? length : INT_MAX; i > 0; --i) {
        if (text[i - 1] == c) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

const char* base_name(const char* path) {
    static char name[max_base_name + 1];
    // A backslash anywhere decides; the slash counts only without one.
    int sep = char_rpos(path, '\\');
    if (sep == 0) {
        sep = char_rpos(path, '/');
    }
    return copy_max(name, path + sep, max_base_name);
}

int run(int argc, const char* const* argv) {
    if (argc < 3) {
        // With an empty argument vector there is no name to show.
        return usage(argc > 0 && argv[0] != nullptr ? argv[0] : "");
    }
    const char* network = argv[1];
    const char* address = argv[2];
    const membership result = net_membership(network, address);
    printf("NETSIEVE: Checking if %s in network %s ? (%s)\n", address, network,
           result == membership::inside ? "True" : "False");
    // The error indicator also remembers failed writes of earlier lines.
    if (fflush(stdout) != 0 || ferror(stdout) != 0) {
        return exit_trouble;
    }
    return status_of(result);
}

} // namespace netsieve
