#include "membership/membership.hpp"

#include "show.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <climits>
#include <cstdint>

namespace netsieve {
namespace {

struct mask_case {
    int length;
    std::uint32_t expected;
};

void PrintTo(const mask_case& tc, std::ostream* os) {
    *os << tc.length;
}

class PrefixMask : public testing::TestWithParam<mask_case> {};

TEST_P(PrefixMask, SetsTheTopBits) {
    EXPECT_EQ(prefix_mask(GetParam().length), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PrefixMask,
                         testing::Values(mask_case{0, 0}, mask_case{1, 0x80000000},
                                         mask_case{2, 0xC0000000}, mask_case{8, 0xFF000000},
                                         mask_case{13, 0xFFF80000}, mask_case{24, 0xFFFFFF00},
                                         mask_case{32, 0xFFFFFFFF}, mask_case{33, 0},
                                         mask_case{INT_MAX, 0}, mask_case{-1, 0},
                                         mask_case{INT_MIN, 0}));

struct length_case {
    const char* text;
    int expected;
};

void PrintTo(const length_case& tc, std::ostream* os) {
    *os << test::show(tc.text);
}

class PrefixLength : public testing::TestWithParam<length_case> {};

TEST_P(PrefixLength, ReadsDecimalAndSaturates) {
    EXPECT_EQ(prefix_length(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrefixLength,
    testing::Values(length_case{"24", 24}, length_case{"", 0}, length_case{"0", 0},
                    length_case{"-1", -1}, length_case{"+8", 8}, length_case{" \t\n\v\f\r24", 24},
                    length_case{"24abc", 24}, length_case{"8/9", 8}, length_case{"-", 0},
                    length_case{"+", 0}, length_case{"abc", 0}, length_case{"0x10", 0},
                    length_case{"008", 8}, length_case{"2147483647", INT_MAX},
                    length_case{"-2147483648", INT_MIN},
                    // beyond int: held at the bound, never wrapped back into 1..32
                    length_case{"2147483648", INT_MAX}, length_case{"4294967304", INT_MAX},
                    length_case{"-2147483649", INT_MIN},
                    length_case{"99999999999999999999999999", INT_MAX},
                    length_case{"-99999999999999999999999999", INT_MIN}));

} // namespace
} // namespace netsieve
