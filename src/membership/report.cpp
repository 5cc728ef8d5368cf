#include "membership/report.hpp"

#include <cstdio>

namespace netsieve {

const char* bit_string(std::uint32_t value) {
    // 32 digits, 3 colons and the terminator
    static char text[32 + 3 + 1];
    char* out = text;
    for (std::size_t j = 0; j < bit_table.size(); ++j) {
        if (j == 8 || j == 16 || j == 24) {
            *out++ = ':';
        }
        *out++ = (value & bit_table[j]) != 0 ? '1' : '0';
    }
    *out = '\0';
    return text;
}

void bit_report(std::uint32_t mask, std::uint32_t net, std::uint32_t addr) {
    const std::uint32_t inverse = ~mask;
    const std::uint32_t net_masked = net & mask;
    const std::uint32_t addr_masked = addr & mask;

    // Each bit_string text is printed before the next call overwrites it.
    std::printf("\n");
    std::printf("- Bits -----------------------------------------\n");
    std::printf("Bitmask:     %s\n", bit_string(mask));
    std::printf("~Bitmask:    %s\n", bit_string(inverse));
    std::printf("Bitmask:     %8.8x (hex)\n", mask);
    std::printf("~Bitmask:    %8.8x (hex)\n", inverse);
    std::printf("- Network --------------------------------------\n");
    std::printf("NETWORK:     %s\n", bit_string(net));
    std::printf("Bit AND net: %s\n", bit_string(net_masked));
    std::printf("Bit AND IP:  %s\n", bit_string(addr_masked));
    std::printf("NETWORK:     %8.8x (hex)\n", net);
    std::printf("Bit AND net: %8.8x (hex)\n", net_masked);
    std::printf("Bit AND IP:  %8.8x (hex)\n", addr_masked);
    std::printf("- IP -------------------------------------------\n");
    std::printf("Bitmask:     %s\n", bit_string(mask));
    std::printf("IPmask:      %s\n", bit_string(addr));
    std::printf("- Test -----------------------------------------\n");
    std::printf("IPmask:      %x (hex)\n", addr);
    std::printf("Bit AND IP:  %x (hex)\n", addr_masked);
    std::printf("Bit AND net: %8.8x (hex)\n", net_masked);
    std::printf("------------------------------------------------\n");
    std::fflush(stdout);
}

} // namespace netsieve
