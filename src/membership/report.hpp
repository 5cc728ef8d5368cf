// The diagnostic report: the masking shown in binary and hexadecimal.
#pragma once

#include <stdint.h>

namespace netsieve {

// Entry j has bit 31 - j set: walked first to last, most significant first.
inline constexpr uint32_t bit_table[32] = {
    0x80000000, 0x40000000, 0x20000000, 0x10000000, 0x08000000, 0x04000000, 0x02000000, 0x01000000,
    0x00800000, 0x00400000, 0x00200000, 0x00100000, 0x00080000, 0x00040000, 0x00020000, 0x00010000,
    0x00008000, 0x00004000, 0x00002000, 0x00001000, 0x00000800, 0x00000400, 0x00000200, 0x00000100,
    0x00000080, 0x00000040, 0x00000020, 0x00000010, 0x00000008, 0x00000004, 0x00000002, 0x00000001,
};

// `value` as four colon-joined groups of eight binary digits (35
// characters), in a static buffer that the next call overwrites.
const char* bit_string(uint32_t value);

// Prints the 21-line report of the mask, its inverse, the network and
// address values and both masked values, then flushes standard output.
void bit_report(uint32_t mask, uint32_t net, uint32_t addr);

} // namespace netsieve
