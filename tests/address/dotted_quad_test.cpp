#include "address/dotted_quad.hpp"

#include "show.hpp"
#include "stdout_sink.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <string>

namespace netsieve {
namespace {

struct check_case {
    const char* text;
    int accepted;
    const char* printed;
};

void PrintTo(const check_case& tc, std::ostream* os) {
    *os << test::show(tc.text);
}

class IpCheck : public testing::TestWithParam<check_case> {};

TEST_P(IpCheck, AcceptsOrNamesTheFault) {
    const check_case& tc = GetParam();
    test::stdout_sink sink;
    const int result = ip_check(tc.text);
    EXPECT_EQ(sink.text(), tc.printed);
    EXPECT_EQ(result, tc.accepted);
}

const std::string nine_stars(9, '*');
const std::string sixteen = "1.1.1.1" + nine_stars;
const std::string seventeen = sixteen + "*";
const std::string seventeen_dot = sixteen + ".";
const std::string dot_at_15 = "1.1.1.1********.x";

INSTANTIATE_TEST_SUITE_P(Accepted, IpCheck,
                         testing::Values(check_case{nullptr, 1, ""}, check_case{"", 1, ""},
                                         check_case{"10.0.0.1", 1, ""},
                                         check_case{"255.255.255.255", 1, ""},
                                         check_case{"1.2.3", 1, ""}, check_case{"1.2.3.", 1, ""},
                                         check_case{"1", 1, ""}, check_case{"010.0.0.1", 1, ""},
                                         check_case{"10.0.0.*", 1, ""}, check_case{"1.*", 1, ""},
                                         check_case{"*", 1, ""}, check_case{"12?3.1.1.1", 1, ""},
                                         check_case{"1.2.3.25*5", 1, ""},
                                         check_case{sixteen.c_str(), 1, ""}));

INSTANTIATE_TEST_SUITE_P(
    Reported, IpCheck,
    testing::Values(
        check_case{"1..2.3", 0, "Error: null octet found\n"},
        check_case{".1.2.3", 0, "Error: null octet found\n"},
        check_case{".", 0, "Error: null octet found\n"},
        check_case{"....", 0, "Error: null octet found\n"},
        check_case{"10.*.0.1", 0, "Error: null octet found\n"},
        check_case{"10.0.*.*", 0, "Error: null octet found\n"},
        check_case{"1234.1.1.1", 0, "ip_check() digits>3 at 3 [1234.1.1.1]\n"},
        check_case{"0001.2.3.4", 0, "ip_check() digits>3 at 3 [0001.2.3.4]\n"},
        check_case{"1?23?4.1.1.1", 0, "ip_check() digits>3 at 5 [1?23?4.1.1.1]\n"},
        check_case{"100.100.100.1000", 0, "ip_check() digits>3 at 15 [100.100.100.1000]\n"},
        check_case{"1.2.3.4.5", 0, "ip_check() dots>3 at 7 [1.2.3.4.5]\n"},
        check_case{"1.2.3.4.", 0, "ip_check() dots>3 at 7 [1.2.3.4.]\n"},
        // a fourth dot is reported as such even where it closes an empty octet
        check_case{"1.2.3..", 0, "ip_check() dots>3 at 6 [1.2.3..]\n"},
        check_case{dot_at_15.c_str(), 0, "ip_check() dots>3 at 15 [1.1.1.1********.x]\n"}));

INSTANTIATE_TEST_SUITE_P(
    RefusedSilently, IpCheck,
    testing::Values(check_case{"10.0.0.x", 0, ""}, check_case{"10 0 0 1", 0, ""},
                    check_case{"1.2.3.4 ", 0, ""}, check_case{"1.2.3.4/8", 0, ""},
                    check_case{"1.2.\x80.4", 0, ""}, check_case{"-1.2.3.4", 0, ""},
                    // the length limit comes before every other test
                    check_case{seventeen.c_str(), 0, ""}, check_case{seventeen_dot.c_str(), 0, ""},
                    // octets above 255, at a dot and at the end of the text
                    check_case{"256.1.1.1", 0, ""}, check_case{"1.2.3.300", 0, ""},
                    check_case{"999.999.999.999", 0, ""}, check_case{"2*56.1.1.1", 0, ""},
                    check_case{"256", 0, ""}, check_case{"300..1", 0, ""}));

struct value_case {
    const char* text;
    std::uint32_t expected;
};

void PrintTo(const value_case& tc, std::ostream* os) {
    *os << test::show(tc.text);
}

class IpToInt : public testing::TestWithParam<value_case> {};

TEST_P(IpToInt, ConvertsFirstOctetToTopByte) {
    EXPECT_EQ(ip_to_int(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IpToInt,
    testing::Values(
        value_case{nullptr, 0}, value_case{"", 0}, value_case{"10.0.0.1", 0x0A000001},
        value_case{"255.255.255.255", 0xFFFFFFFF}, value_case{"0.0.0.0", 0},
        value_case{"1.2.3", 0x01020300}, value_case{"1.2.3.", 0x01020300},
        value_case{"1", 0x01000000}, value_case{"1.", 0x01000000}, value_case{"1.2", 0x01020000},
        value_case{"010.0.0.1", 0x0A000001}, value_case{"01.02.03.04", 0x01020304},
        value_case{"10.0.0.*", 0x0A000000}, value_case{"1.*", 0x01000000}, value_case{"*", 0},
        value_case{"12?3.1.1.1", 0x7B010101}, value_case{"1.2.3.4*5", 0x0102032D},
        value_case{"10.0.0.1?", 0x0A000001}, value_case{"1.1.1.1*********", 0x01010101},
        // an octet above 255 turns the whole text into 0
        value_case{"256.1.1.1", 0}, value_case{"1.2.3.300", 0}, value_case{"999.999.999.999", 0},
        // four digits: a value that must not be cut back into range
        value_case{"1.2.3.2551", 0}, value_case{"1.2.3.2560", 0}, value_case{"2551.2.3.4", 0},
        // long runs whose value modulo 2^32 is 1: held above 255, never wrapped into range
        value_case{"4294967297", 0}, value_case{"18446744073709551617", 0},
        value_case{"1.4294967297", 0}));

// Texts that ip_check refuses still convert without reading or shifting
// out of bounds; the sanitizer builds catch any slip here.
TEST(IpToInt, RefusedTextsAreHarmless) {
    const char* texts[] = {"1.2.3.4.5.6.7.8.9",
                           "99999999999999999999",
                           "....",
                           "a.b.c.d",
                           "1.2.3.4.5",
                           "1.1.1.1.1.1.1.1.1.1.1.1.1.1.1.1.1.1"};
    for (const char* text : texts) {
        (void)ip_to_int(text);
    }
    EXPECT_EQ(ip_to_int("1.2.3.4.5"), 0x01020304U);
}

} // namespace
} // namespace netsieve
