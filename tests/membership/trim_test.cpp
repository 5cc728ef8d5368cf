#include "membership/trim.hpp"

#include "show.hpp"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdlib>
#include <string>

namespace netsieve {
namespace {

struct trim_case {
    const char* text;
    const char* expected;
};

void PrintTo(const trim_case& tc, std::ostream* os) {
    *os << test::show(tc.text);
}

class TrimChars : public testing::TestWithParam<trim_case> {};

TEST_P(TrimChars, RemovesSetCharactersAtBothEndsOnly) {
    std::string text = GetParam().text;
    char* result = trim_chars(text.data(), " \t");
    EXPECT_EQ(result, text.data());
    EXPECT_STREQ(result, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TrimChars,
                         testing::Values(trim_case{"10.0.0.0", "10.0.0.0"},
                                         trim_case{" 10.0.0.0\t", "10.0.0.0"},
                                         trim_case{"\t \t1.2 3.4 \t ", "1.2 3.4"},
                                         trim_case{"x", "x"}, trim_case{" x", "x"},
                                         trim_case{"x ", "x"}, trim_case{"", ""},
                                         trim_case{" \t \t", ""},
                                         // other white space is not in the set
                                         trim_case{"\n1.2\r", "\n1.2\r"}));

TEST(DupText, CopiesWithTerminatorAndStoresTheAddress) {
    char* copy = nullptr;
    char* result = dup_text(&copy, "10.0.0.0");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result, copy);
    EXPECT_STREQ(copy, "10.0.0.0");
    std::free(copy);
}

} // namespace
} // namespace netsieve
