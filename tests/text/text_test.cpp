#include "text/text.hpp"

#include "show.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace netsieve {
namespace {

struct char_pos_case {
    const char* text;
    char c;
    int expected;
};

class CharPos : public testing::TestWithParam<char_pos_case> {};

TEST_P(CharPos, FindsFirstOccurrenceFromOne) {
    const char_pos_case& tc = GetParam();
    EXPECT_EQ(char_pos(tc.text, tc.c), tc.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CharPos,
                         testing::Values(char_pos_case{"10.0.0.0/8", '/', 9},
                                         char_pos_case{"a/b/c", '/', 2}, char_pos_case{"/", '/', 1},
                                         char_pos_case{"abc", 'c', 3}, char_pos_case{"abc", 'x', 0},
                                         char_pos_case{"", 'a', 0}, char_pos_case{nullptr, 'a', 0},
                                         // NUL is never a member of a class
                                         char_pos_case{"0123456789", '\0', 0},
                                         char_pos_case{"\x80\xff", '\xff', 2}));

void PrintTo(const char_pos_case& tc, std::ostream* os) {
    *os << test::show(tc.text) << " '" << test::show(std::string(1, tc.c).c_str()) << "'";
}

struct copy_max_case {
    const char* src;
    int n;
    const char* expected;
};

void PrintTo(const copy_max_case& tc, std::ostream* os) {
    *os << test::show(tc.src) << " " << tc.n;
}

class CopyMax : public testing::TestWithParam<copy_max_case> {};

TEST_P(CopyMax, CopiesAtMostNAndTerminates) {
    const copy_max_case& tc = GetParam();
    std::string dst(16, '#'); // pre-filled to show the terminator is written
    EXPECT_EQ(copy_max(dst.data(), tc.src, tc.n), dst.data());
    EXPECT_STREQ(dst.c_str(), tc.expected);
    // Nothing is written past the terminator.
    const std::size_t used = std::string(tc.expected).size() + 1;
    EXPECT_EQ(dst.substr(used), std::string(16 - used, '#'));
}

INSTANTIATE_TEST_SUITE_P(Table, CopyMax,
                         testing::Values(copy_max_case{"10.0.0.0/8", 8, "10.0.0.0"},
                                         copy_max_case{"abc", 3, "abc"},
                                         copy_max_case{"abc", 10, "abc"},
                                         copy_max_case{"abc", 0, ""}, copy_max_case{"abc", -5, ""},
                                         copy_max_case{"", 4, ""}));

} // namespace
} // namespace netsieve
