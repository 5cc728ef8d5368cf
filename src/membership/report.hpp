// The diagnostic report: the masking shown in binary and hexadecimal.
#pragma once

#include <array>
#include <cstdint>

namespace netsieve {

// Entry j has bit 31 - j set: walked first to last, most significant first.
inline constexpr std::array<std::uint32_t, 32> bit_table = [] {
    std::array<std::uint32_t, 32> table{};
    for (std::size_t j = 0; j < table.size(); ++j) {
        table[j] = 0x80000000U >> j;
    }
    return table;
}();
static_assert(bit_table.front() == 0x80000000U && bit_table.back() == 1U);

// `value` as four colon-joined groups of eight binary digits (35
// characters), in a static buffer that the next call overwrites.
const char* bit_string(std::uint32_t value);

// Prints the 21-line report of the mask, its inverse, the network and
// address values and both masked values, then flushes standard output.
void bit_report(std::uint32_t mask, std::uint32_t net, std::uint32_t addr);

} // namespace netsieve
