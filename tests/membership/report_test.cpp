#include "membership/report.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>

namespace netsieve {
namespace {

struct bits_case {
    std::uint32_t value;
    const char* expected;
};

void PrintTo(const bits_case& tc, std::ostream* os) {
    *os << std::hex << tc.value;
}

class BitString : public testing::TestWithParam<bits_case> {};

TEST_P(BitString, GroupsOctetsMostSignificantFirst) {
    const char* text = bit_string(GetParam().value);
    EXPECT_STREQ(text, GetParam().expected);
    EXPECT_EQ(std::strlen(text), 35U);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BitString,
    testing::Values(bits_case{0, "00000000:00000000:00000000:00000000"},
                    bits_case{0xFFFFFFFF, "11111111:11111111:11111111:11111111"},
                    bits_case{0x80000001, "10000000:00000000:00000000:00000001"},
                    bits_case{0xC0A80107, "11000000:10101000:00000001:00000111"},
                    bits_case{0x01800000, "00000001:10000000:00000000:00000000"}));

TEST(BitString, NextCallOverwritesTheText) {
    const char* first = bit_string(0);
    bit_string(0xFFFFFFFF);
    EXPECT_STREQ(first, "11111111:11111111:11111111:11111111");
}

} // namespace
} // namespace netsieve
