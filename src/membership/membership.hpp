// The membership check: does an address lie inside a network?
#pragma once

#include <stdint.h>

namespace netsieve {

// Entry n has the n most significant bits set; entry 0 is 0.
inline constexpr uint32_t prefix_table[33] = {
    0x00000000, 0x80000000, 0xC0000000, 0xE0000000, 0xF0000000, 0xF8000000, 0xFC000000,
    0xFE000000, 0xFF000000, 0xFF800000, 0xFFC00000, 0xFFE00000, 0xFFF00000, 0xFFF80000,
    0xFFFC0000, 0xFFFE0000, 0xFFFF0000, 0xFFFF8000, 0xFFFFC000, 0xFFFFE000, 0xFFFFF000,
    0xFFFFF800, 0xFFFFFC00, 0xFFFFFE00, 0xFFFFFF00, 0xFFFFFF80, 0xFFFFFFC0, 0xFFFFFFE0,
    0xFFFFFFF0, 0xFFFFFFF8, 0xFFFFFFFC, 0xFFFFFFFE, 0xFFFFFFFF,
};

// The mask of a prefix length: its prefix_table entry for 0 to 32, and 0
// for any other length.
uint32_t prefix_mask(int length);

// The decimal value of a prefix text: leading white space, one optional
// sign, digits up to the first non-digit; no digits give 0. Values beyond
// the range of int are held at INT_MAX or INT_MIN instead of wrapping.
int prefix_length(const char* text);

enum class membership { inside, outside, rejected };

// Checks `address` against `network` ("dotted quad/prefix length"),
// printing the progress lines, the report, and at the first rejected input
// one line naming it. `rejected` tells the caller that an argument was
// refused, which ip_in_net folds into "outside".
membership net_membership(const char* network, const char* address);

// 1 when `address` lies inside `network`; 0 when it does not or when an
// argument was rejected.
int ip_in_net(const char* network, const char* address);

} // namespace netsieve
