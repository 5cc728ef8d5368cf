#include "membership/report.hpp"

#include <stdio.h>

namespace netsieve {

namespace {

constexpr bool bit_table_is_sound() {
    for (int j = 0; j < 32; ++j) {
        if (bit_table[j] != 1U << (31 - j)) {
            return false;
        }
    }
    return true;
}
static_assert(bit_table_is_sound());

} // namespace

const char* bit_string(uint32_t value) {
    // 32 digits, 3 colons and the terminator
    static char text[32 + 3 + 1];
    char* out = text;
    for (int j = 0; j < 32; ++j) {
        if (j == 8 || j == 16 || j == 24) {
            *out++ = ':';
        }
        *out++ = static_cast<char>('0' + ((value & bit_table[j]) != 0 ? 1 : 0));
    }
    *out = '\0';
    return text;
}

// One printf call per binary line, with the lines before it that need no
// text of bit_string: each rendering is printed before the next overwrites
// it, and every call saved is work saved on the program's whole run.
void bit_report(uint32_t mask, uint32_t net, uint32_t addr) {
    const uint32_t inverse = ~mask;
    const uint32_t net_masked = net & mask;
    const uint32_t addr_masked = addr & mask;

    printf("\n"
           "- Bits -----------------------------------------\n"
           "Bitmask:     %s\n",
           bit_string(mask));
    printf("~Bitmask:    %s\n", bit_string(inverse));
    printf("Bitmask:     %8.8x (hex)\n"
           "~Bitmask:    %8.8x (hex)\n"
           "- Network --------------------------------------\n"
           "NETWORK:     %s\n",
           mask, inverse, bit_string(net));
    printf("Bit AND net: %s\n", bit_string(net_masked));
    printf("Bit AND IP:  %s\n", bit_string(addr_masked));
    printf("NETWORK:     %8.8x (hex)\n"
           "Bit AND net: %8.8x (hex)\n"
           "Bit AND IP:  %8.8x (hex)\n"
           "- IP -------------------------------------------\n"
           "Bitmask:     %s\n",
           net, net_masked, addr_masked, bit_string(mask));
    printf("IPmask:      %s\n", bit_string(addr));
    printf("- Test -----------------------------------------\n"
           "IPmask:      %x (hex)\n"
           "Bit AND IP:  %x (hex)\n"
           "Bit AND net: %8.8x (hex)\n"
           "------------------------------------------------\n",
           addr, addr_masked, net_masked);
    fflush(stdout);
}

} // namespace netsieve
