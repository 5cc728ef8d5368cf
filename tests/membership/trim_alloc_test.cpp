// trim_chars and the check when memory is exhausted. This test program is
// linked with -Wl,--wrap=malloc, so malloc calls from the project's code
// (not from the shared C and C++ libraries) pass through __wrap_malloc,
// which fails the next call on request.
#include "membership/membership.hpp"
#include "membership/trim.hpp"
#include "show.hpp"
#include "stdout_sink.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <ostream>
#include <string>

extern "C" void* __real_malloc(std::size_t size);

namespace {
bool fail_next_malloc = false;
} // namespace

extern "C" void* __wrap_malloc(std::size_t size) {
    if (fail_next_malloc) {
        fail_next_malloc = false;
        return nullptr;
    }
    return __real_malloc(size);
}

namespace netsieve {
namespace {

TEST(TrimWithoutMemory, DupTextStoresAndReturnsNull) {
    char* copy = reinterpret_cast<char*>(&fail_next_malloc); // anything but null
    fail_next_malloc = true;
    EXPECT_EQ(dup_text(&copy, "10.0.0.0"), nullptr);
    EXPECT_EQ(copy, nullptr);
}

TEST(TrimWithoutMemory, LeavesTheTextUntrimmed) {
    std::string text = " 10.0.0.0\t";
    fail_next_malloc = true;
    EXPECT_EQ(trim_chars(text.data(), " \t"), text.data());
    EXPECT_STREQ(text.c_str(), " 10.0.0.0\t");
}

struct exhausted_case {
    const char* network;
    const char* address;
    int inside;
    std::string out_prefix; // what the check prints first
};

void PrintTo(const exhausted_case& tc, std::ostream* os) {
    *os << test::show(tc.network) << " " << test::show(tc.address);
}

class CheckWithoutMemory : public testing::TestWithParam<exhausted_case> {};

// The network part goes to its syntax check untrimmed, and nothing is said
// about the memory.
TEST_P(CheckWithoutMemory, JudgesTheUntrimmedNetworkPart) {
    const exhausted_case& tc = GetParam();
    test::stdout_sink sink;
    fail_next_malloc = true;
    const int inside = ip_in_net(tc.network, tc.address);
    fail_next_malloc = false;
    const std::string out = sink.text();
    EXPECT_EQ(inside, tc.inside);
    EXPECT_EQ(out.substr(0, tc.out_prefix.size()), tc.out_prefix);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckWithoutMemory,
    testing::Values(exhausted_case{" 10.0.0.0/8", "10.0.0.1", 0,
                                   "Testing IP [10.0.0.1]\nNetmask was not an IP - [ 10.0.0.0]\n"},
                    exhausted_case{"10.0.0.0/8", "10.0.0.1", 1,
                                   "Testing IP [10.0.0.1]\nTesting netmask [10.0.0.0]\n"}));

} // namespace
} // namespace netsieve
