#include "membership/membership.hpp"

#include "address/dotted_quad.hpp"
#include "membership/report.hpp"
#include "membership/trim.hpp"
#include "text/text.hpp"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

namespace netsieve {

namespace {

constexpr bool prefix_table_is_sound() {
    for (int n = 1; n <= 32; ++n) {
        if (prefix_table[n] != (prefix_table[n - 1] | (0x80000000U >> (n - 1)))) {
            return false;
        }
    }
    return prefix_table[0] == 0;
}
static_assert(prefix_table_is_sound());

// The network part holds at most 15 characters: a '/' at position 16
// (counted from 1) or earlier.
constexpr int net_part_size = 16;
constexpr int max_separator_pos = net_part_size;
constexpr int min_prefix = 1;
constexpr int max_prefix = 32;

// Sends the error line just printed and reports the rejection. Each caller
// prints its line with a literal format, which the compiler checks.
membership rejected() {
    fflush(stdout);
    return membership::rejected;
}

} // namespace

uint32_t prefix_mask(int length) {
    if (length < 0 || length > max_prefix) {
        return 0;
    }
    return prefix_table[length];
}

int prefix_length(const char* text) {
    // strtoll saturates at its own 64-bit bounds; clamp that further to int.
    const long long value = strtoll(text, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

// The order of the two texts is the command line's, network first.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
membership net_membership(const char* network, const char* address) {
    char net_part[net_part_size] = {};

    if (ip_check(address) == 0) {
        printf("Invalid IP address [%s]\n", address);
        return rejected();
    }
    const int sep = char_pos(network, '/');
    if (sep < 1) {
        printf("Mask arg has no / [%s]\n", network);
        return rejected();
    }
    if (sep > max_separator_pos) {
        printf("Mask separator pos is >15 - [%s]\n", network);
        return rejected();
    }
    printf("Testing IP [%s]\n", address);
    fflush(stdout);

    copy_max(net_part, network, sep - 1);
    trim_chars(net_part, " \t");
    if (ip_check(net_part) == 0) {
        printf("Netmask was not an IP - [%s]\n", net_part);
        return rejected();
    }

    const uint32_t net = ip_to_int(net_part);
    const uint32_t addr = ip_to_int(address);
    const char* prefix_text = network + sep;
    const int length = prefix_length(prefix_text);

    printf("Testing netmask [%s]\n"
           "Testing bitmask [%s]\n",
           net_part, prefix_text);
    fflush(stdout);

    if (length < min_prefix || length > max_prefix) {
        printf("Bit value <1 or >32  [%i]\n", length);
        return rejected();
    }
    const uint32_t mask = prefix_mask(length);
    bit_report(mask, net, addr);
    return (net & mask) == (addr & mask) ? membership::inside : membership::outside;
}

int ip_in_net(const char* network, const char* address) {
    return net_membership(network, address) == membership::inside ? 1 : 0;
}

} // namespace netsieve
