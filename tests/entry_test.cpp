#include "entry.hpp"

#include "process.hpp"
#include "reference.hpp"
#include "show.hpp"
#include "stdout_sink.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace netsieve {
namespace {

using test::out_mode;
using test::run_program;

std::string usage_text(const std::string& name) {
    return name + ": Tests if an IP address is in a given CIDR range\n" + "Syntax is " + name +
           " <IP-net/CDIR> <IP>\n" + "Example: " + name + " 10.0.0.0/13 10.7.1.2\n";
}

std::string verdict(const std::string& address, const std::string& network, bool inside) {
    return "NETSIEVE: Checking if " + address + " in network " + network + " ? (" +
           (inside ? "True" : "False") + ")\n";
}

// --- base_name and char_rpos ------------------------------------------------

struct name_case {
    std::string path;
    std::string expected;
};

void PrintTo(const name_case& tc, std::ostream* os) {
    *os << test::show(tc.path.c_str());
}

class BaseName : public testing::TestWithParam<name_case> {};

TEST_P(BaseName, KeepsTheLastComponent) {
    EXPECT_EQ(base_name(GetParam().path.c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BaseName,
    testing::Values(name_case{"C:\\tools\\bin\\prog.exe", "prog.exe"},
                    name_case{"./bin/prog", "prog"}, name_case{"prog", "prog"},
                    // a backslash decides even when a slash follows it
                    name_case{"dir\\sub/prog", "sub/prog"}, name_case{"bin/", ""},
                    name_case{"bin\\", ""}, name_case{"", ""},
                    name_case{"/" + std::string(300, 'n'), std::string(256, 'n')}));

TEST(BaseName, NextCallOverwritesTheBuffer) {
    const char* first = base_name("a/first");
    const char* second = base_name("b/second");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "second");
}

struct rpos_case {
    const char* text;
    char c;
    int expected;
};

void PrintTo(const rpos_case& tc, std::ostream* os) {
    *os << test::show(tc.text);
}

class CharRpos : public testing::TestWithParam<rpos_case> {};

TEST_P(CharRpos, FindsLastOccurrenceFromOne) {
    EXPECT_EQ(char_rpos(GetParam().text, GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CharRpos,
                         testing::Values(rpos_case{"a/b/c", '/', 4}, rpos_case{"/abc", '/', 1},
                                         rpos_case{"abc/", '/', 4}, rpos_case{"abc", '/', 0},
                                         rpos_case{"", '/', 0}));

// A vector without a name in entry 0: empty, or with a null there (which
// an exec can hand over on some systems). Neither can be made through exec
// on every kernel, so the entry is called directly, on a vector allocated
// to its exact size so that the sanitizer builds catch any read past it.
struct nameless_case {
    int argc;
    std::vector<const char*> argv; // ends with its null entry
};

void PrintTo(const nameless_case& tc, std::ostream* os) {
    *os << "argc " << tc.argc;
}

class RunWithoutName : public testing::TestWithParam<nameless_case> {};

TEST_P(RunWithoutName, PrintsUsageWithEmptyName) {
    const std::vector<const char*> argv = GetParam().argv;
    test::stdout_sink sink;
    const int status = run(GetParam().argc, argv.data());
    EXPECT_EQ(sink.text(), usage_text(""));
    EXPECT_EQ(status, exit_trouble);
}

INSTANTIATE_TEST_SUITE_P(Table, RunWithoutName,
                         testing::Values(nameless_case{0, {nullptr}},
                                         nameless_case{1, {nullptr, nullptr}},
                                         nameless_case{2, {nullptr, "10.0.0.0/8", nullptr}}));

// --- when the bytes leave: the flushes, and a write that fails ---------------

struct flush_case {
    const char* name;
    std::vector<const char*> argv;
    std::vector<std::string> writes; // one per flush, in order
    int status;
};

void PrintTo(const flush_case& tc, std::ostream* os) {
    *os << tc.name;
}

// The 21 report lines of inside_16.out: between the three progress lines
// and the verdict.
std::string inside_16_report() {
    const std::string whole = test::fixture("inside_16.out");
    std::size_t start = 0;
    for (int line = 0; line < 3; ++line) {
        start = whole.find('\n', start) + 1;
    }
    const std::size_t end = whole.rfind("NETSIEVE:");
    return whole.substr(start, end - start);
}

// Standard output is fully buffered here, so each recorded write is one
// flush: the lines of a write left the program together, at the point the
// flush after them stands.
class FlushPoints : public testing::TestWithParam<flush_case> {};

TEST_P(FlushPoints, EachFlushSendsWhatStandsBeforeIt) {
    const flush_case& tc = GetParam();
    test::stdout_sink sink;
    const int status = run(static_cast<int>(tc.argv.size()) - 1, tc.argv.data());
    EXPECT_EQ(sink.writes(), tc.writes);
    EXPECT_EQ(status, tc.status);
}

std::string flush_name(const testing::TestParamInfo<flush_case>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlushPoints,
    testing::Values(
        flush_case{"Accepted",
                   {"ns", "192.168.0.0/16", "192.168.1.7", nullptr},
                   {"Testing IP [192.168.1.7]\n",
                    "Testing netmask [192.168.0.0]\nTesting bitmask [16]\n", inside_16_report(),
                    verdict("192.168.1.7", "192.168.0.0/16", true)},
                   exit_inside},
        flush_case{"PrefixRejected",
                   {"ns", "10.0.0.0/33", "10.0.0.1", nullptr},
                   {"Testing IP [10.0.0.1]\n", "Testing netmask [10.0.0.0]\nTesting bitmask [33]\n",
                    "Bit value <1 or >32  [33]\n", verdict("10.0.0.1", "10.0.0.0/33", false)},
                   exit_trouble},
        flush_case{"NoSeparator",
                   {"ns", "10.0.0.0", "10.0.0.1", nullptr},
                   {"Mask arg has no / [10.0.0.0]\n", verdict("10.0.0.1", "10.0.0.0", false)},
                   exit_trouble},
        // each line of ip_check is flushed before the caller's own line
        flush_case{"TooManyDigits",
                   {"ns", "10.0.0.0/8", "1234.1.1.1", nullptr},
                   {"ip_check() digits>3 at 3 [1234.1.1.1]\n", "Invalid IP address [1234.1.1.1]\n",
                    verdict("1234.1.1.1", "10.0.0.0/8", false)},
                   exit_trouble},
        flush_case{"TooManyDots",
                   {"ns", "10.0.0.0/8", "1.2.3.4.5", nullptr},
                   {"ip_check() dots>3 at 7 [1.2.3.4.5]\n", "Invalid IP address [1.2.3.4.5]\n",
                    verdict("1.2.3.4.5", "10.0.0.0/8", false)},
                   exit_trouble},
        flush_case{"NetworkNullOctet",
                   {"ns", "10..0.0/8", "10.0.0.1", nullptr},
                   {"Testing IP [10.0.0.1]\n", "Error: null octet found\n",
                    "Netmask was not an IP - [10..0.0]\n", verdict("10.0.0.1", "10..0.0/8", false)},
                   exit_trouble}),
    flush_name);

// One lost write is trouble even when the program goes on writing and
// every later write, the verdict's included, gets through: the stream's
// error indicator remembers it. `writes` are those that arrive.
struct write_failure_case {
    const char* name;
    std::vector<const char*> argv;
    int failing_write;
    std::vector<std::string> writes;
};

void PrintTo(const write_failure_case& tc, std::ostream* os) {
    *os << tc.name;
}

class WriteFailure : public testing::TestWithParam<write_failure_case> {};

TEST_P(WriteFailure, IsTroubleAlthoughTheVerdictArrives) {
    const write_failure_case& tc = GetParam();
    test::stdout_sink sink(tc.failing_write);
    const int status = run(static_cast<int>(tc.argv.size()) - 1, tc.argv.data());
    EXPECT_EQ(sink.writes(), tc.writes);
    EXPECT_EQ(status, exit_trouble);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriteFailure,
    testing::Values(write_failure_case{"Accepted",
                                       {"ns", "192.168.0.0/16", "192.168.1.7", nullptr},
                                       1,
                                       {"Testing netmask [192.168.0.0]\nTesting bitmask [16]\n",
                                        inside_16_report(),
                                        verdict("192.168.1.7", "192.168.0.0/16", true)}},
                    // the error line is lost; the run still ends with its verdict
                    write_failure_case{"Rejected",
                                       {"ns", "10.0.0.0", "10.0.0.1", nullptr},
                                       1,
                                       {verdict("10.0.0.1", "10.0.0.0", false)}},
                    write_failure_case{"VerdictLost",
                                       {"ns", "10.0.0.0/33", "10.0.0.1", nullptr},
                                       4,
                                       {"Testing IP [10.0.0.1]\n",
                                        "Testing netmask [10.0.0.0]\nTesting bitmask [33]\n",
                                        "Bit value <1 or >32  [33]\n"}}),
    [](const testing::TestParamInfo<write_failure_case>& info) { return info.param.name; });

// --- the whole program: exact standard output and exit status ----------------

struct output_case {
    std::string name;
    std::vector<std::string> argv;
    std::string out; // the expected standard output, unless `fixture` names a file holding it
    int status;
    const char* fixture = nullptr;
};

void PrintTo(const output_case& tc, std::ostream* os) {
    *os << tc.name;
}

class WholeOutput : public testing::TestWithParam<output_case> {};

TEST_P(WholeOutput, MatchesByteForByte) {
    const output_case& tc = GetParam();
    if (test::wrapped() && !test::wrapper_passes_name() &&
        (tc.argv.empty() || base_name(tc.argv[0].c_str()) != std::string("netsieve"))) {
        GTEST_SKIP() << "under a wrapper the program's own name is its argv[0]";
    }
    const test::outcome got = run_program(tc.argv);
    EXPECT_EQ(got.out, tc.fixture != nullptr ? test::fixture(tc.fixture) : tc.out);
    EXPECT_EQ(got.err, "");
    EXPECT_EQ(got.status, tc.status);
}

std::string test_name(const testing::TestParamInfo<output_case>& info) {
    return info.param.name;
}

const std::string long_text(100000, '1');

INSTANTIATE_TEST_SUITE_P(
    Usage, WholeOutput,
    testing::Values(
        output_case{"NoArgument", {"netsieve"}, usage_text("netsieve"), 2},
        output_case{"OneArgument", {"./bin/netsieve", "10.0.0.0/8"}, usage_text("netsieve"), 2},
        output_case{"WindowsPath", {"C:\\tools\\bin\\prog.exe"}, usage_text("prog.exe"), 2},
        output_case{"BackslashDecides", {"dir\\sub/prog"}, usage_text("sub/prog"), 2},
        output_case{"NameEndsInSeparator", {"bin/"}, usage_text(""), 2},
        // the kernel may hand over an empty name in place of a missing one
        output_case{"EmptyVector", {}, usage_text(""), 2},
        output_case{"LongName", {std::string(300, 'n')}, usage_text(std::string(256, 'n')), 2},
        // the name's bytes pass through as they are, UTF-8 included
        output_case{"NonAsciiName",
                    {"/opt/bin/n\u00e9tsieve\u2603"},
                    usage_text("n\u00e9tsieve\u2603"),
                    2}),
    test_name);

// Accepted arguments: progress lines, the 21-line report, the verdict.
INSTANTIATE_TEST_SUITE_P(
    Report, WholeOutput,
    testing::Values(
        output_case{
            "Inside16", {"netsieve", "192.168.0.0/16", "192.168.1.7"}, "", 0, "inside_16.out"},
        output_case{"Host32", {"netsieve", "10.0.0.1/32", "10.0.0.1"}, "", 0, "host_32.out"},
        output_case{"Outside1", {"netsieve", "192.168.0.0/1", "10.1.2.3"}, "", 1, "outside_1.out"},
        output_case{"HostBits16",
                    {"netsieve", "192.168.1.7/16", "192.168.200.1"},
                    "",
                    0,
                    "host_bits_16.out"}),
    test_name);

// 10.0.0.1 against 10.0.0.0/`prefix`, a prefix whose value (`shown`) is
// out of range: the progress lines, the range line, the verdict.
output_case prefix_rejected(const char* name, const std::string& prefix, const std::string& shown) {
    const std::string network = "10.0.0.0/" + prefix;
    return {name,
            {"netsieve", network, "10.0.0.1"},
            "Testing IP [10.0.0.1]\nTesting netmask [10.0.0.0]\nTesting bitmask [" + prefix +
                "]\nBit value <1 or >32  [" + shown + "]\n" + verdict("10.0.0.1", network, false),
            2};
}

// A rejection prints its line and the verdict, and never any of the report.
INSTANTIATE_TEST_SUITE_P(
    Rejected, WholeOutput,
    testing::Values(
        output_case{"NoSeparator",
                    {"netsieve", "10.0.0.0", "10.0.0.1"},
                    "Mask arg has no / [10.0.0.0]\n" + verdict("10.0.0.1", "10.0.0.0", false),
                    2},
        output_case{"BadAddressSilent",
                    {"netsieve", "10.0.0.0/8", "10.0.0.x"},
                    "Invalid IP address [10.0.0.x]\n" + verdict("10.0.0.x", "10.0.0.0/8", false),
                    2},
        output_case{"BadAddressReported",
                    {"netsieve", "10.0.0.0/8", "1234.1.1.1"},
                    "ip_check() digits>3 at 3 [1234.1.1.1]\nInvalid IP address [1234.1.1.1]\n" +
                        verdict("1234.1.1.1", "10.0.0.0/8", false),
                    2},
        // the address is judged first; the network is then not looked at
        output_case{"BothBad",
                    {"netsieve", "junk", "1..2"},
                    "Error: null octet found\nInvalid IP address [1..2]\n" +
                        verdict("1..2", "junk", false),
                    2},
        output_case{"AddressOctetAbove255",
                    {"netsieve", "0.0.0.0/8", "300.1.2.3"},
                    "Invalid IP address [300.1.2.3]\n" + verdict("300.1.2.3", "0.0.0.0/8", false),
                    2},
        output_case{"NetworkOctetAbove255",
                    {"netsieve", "10.0.0.256/8", "10.0.0.1"},
                    "Testing IP [10.0.0.1]\nNetmask was not an IP - [10.0.0.256]\n" +
                        verdict("10.0.0.1", "10.0.0.256/8", false),
                    2},
        output_case{"NetworkPartTooLong",
                    {"netsieve", "192.168.100.1001/24", "10.0.0.1"},
                    "Mask separator pos is >15 - [192.168.100.1001/24]\n" +
                        verdict("10.0.0.1", "192.168.100.1001/24", false),
                    2},
        output_case{"NetworkInnerBlank",
                    {"netsieve", " 10.0 .0.0\t/8", "10.0.0.1"},
                    "Testing IP [10.0.0.1]\nNetmask was not an IP - [10.0 .0.0]\n" +
                        verdict("10.0.0.1", " 10.0 .0.0\t/8", false),
                    2},
        output_case{"NetworkNullOctet",
                    {"netsieve", "10..0.0/8", "10.0.0.1"},
                    "Testing IP [10.0.0.1]\nError: null octet found\n"
                    "Netmask was not an IP - [10..0.0]\n" +
                        verdict("10.0.0.1", "10..0.0/8", false),
                    2},
        prefix_rejected("PrefixEmpty", "", "0"), prefix_rejected("PrefixZero", "0", "0"),
        prefix_rejected("Prefix33", "33", "33"), prefix_rejected("PrefixNegative", "-1", "-1"),
        // beyond 32 bits the value is held at the bound: 2^32 + 8 is not /8
        prefix_rejected("PrefixBeyond32Bits", "4294967304", "2147483647"),
        prefix_rejected("PrefixTwoToThe31", "2147483648", "2147483647"),
        prefix_rejected("PrefixHugeNegative", "-99999999999", "-2147483648"),
        output_case{"HighBytes",
                    {"netsieve", "\x80\xff/8", "10.0.0.1"},
                    "Testing IP [10.0.0.1]\nNetmask was not an IP - [\x80\xff]\n" +
                        verdict("10.0.0.1", "\x80\xff/8", false),
                    2},
        output_case{"LongAddress",
                    {"netsieve", "10.0.0.0/8", long_text},
                    "ip_check() digits>3 at 3 [" + long_text + "]\nInvalid IP address [" +
                        long_text + "]\n" + verdict(long_text, "10.0.0.0/8", false),
                    2},
        output_case{"LongNetwork",
                    {"netsieve", long_text + "/8", "10.0.0.1"},
                    "Mask separator pos is >15 - [" + long_text + "/8]\n" +
                        verdict("10.0.0.1", long_text + "/8", false),
                    2}),
    test_name);

// Rows of a tab-separated table in tests/fixtures: name, status, network,
// address, and the lines before the verdict with "\n" between them. The
// Windows build runs the same table under Wine (tests/wine/run).
std::vector<output_case> table_cases(const std::string& file) {
    std::istringstream in(test::fixture(file));
    std::vector<output_case> cases;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::vector<std::string> field;
        std::istringstream columns(line);
        for (std::string column; std::getline(columns, column, '\t');) {
            field.push_back(column);
        }
        if (field.size() != 5) {
            throw std::runtime_error(file + ": not five columns: " + line);
        }
        std::string lines;
        for (std::size_t at = 0; at < field[4].size(); ++at) {
            if (field[4].compare(at, 2, "\\n") == 0) {
                lines += '\n';
                ++at;
            } else {
                lines += field[4][at];
            }
        }
        const int status = std::stoi(field[1]);
        cases.push_back({field[0],
                         {"netsieve", field[2], field[3]},
                         lines + "\n" + verdict(field[3], field[2], status == exit_inside),
                         status});
    }
    return cases;
}

// Characters outside ASCII are refused like any other text that is not a
// dotted quad: full-width digits, stops and solidi, no-break and
// ideographic spaces around the network part.
INSTANTIATE_TEST_SUITE_P(NonAscii, WholeOutput, testing::ValuesIn(table_cases("non_ascii.tsv")),
                         test_name);

// --- the verdict of accepted arguments ------------------------------------

struct verdict_case {
    const char* network;
    const char* address;
    bool inside;
};

void PrintTo(const verdict_case& tc, std::ostream* os) {
    *os << test::show(tc.network) << " " << test::show(tc.address);
}

class Verdict : public testing::TestWithParam<verdict_case> {};

TEST_P(Verdict, EndsWithTheOneVerdictLineAndItsStatus) {
    const verdict_case& tc = GetParam();
    const test::outcome got = run_program({"netsieve", tc.network, tc.address, "ignored"});
    const std::string line = verdict(tc.address, tc.network, tc.inside);
    ASSERT_GE(got.out.size(), line.size());
    EXPECT_EQ(got.out.substr(got.out.size() - line.size()), line);
    EXPECT_EQ(got.out.find("NETSIEVE:"), got.out.size() - line.size()) << "one verdict line";
    EXPECT_EQ(got.out.rfind("Testing IP [", 0), 0U) << got.out;
    // three progress lines, the report, the verdict
    EXPECT_EQ(std::count(got.out.begin(), got.out.end(), '\n'), 3 + 21 + 1) << got.out;
    EXPECT_EQ(got.err, "");
    EXPECT_EQ(got.status, tc.inside ? exit_inside : exit_outside);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Verdict,
    testing::Values(verdict_case{"192.168.0.0/16", "192.168.1.7", true},
                    verdict_case{"10.0.0.0/8", "10.200.3.4", true},
                    verdict_case{"10.0.0.0/8", "11.0.0.1", false},
                    verdict_case{"192.168.1.0/32", "192.168.1.0", true},
                    verdict_case{"192.168.1.0/32", "192.168.1.1", false},
                    verdict_case{"0.0.0.0/1", "127.255.255.255", true},
                    verdict_case{"0.0.0.0/1", "128.0.0.0", false},
                    // host bits in the network text are masked off too
                    verdict_case{"10.1.2.3/8", "10.200.0.1", true},
                    // fifteen-character network parts fit
                    verdict_case{"255.255.255.255/32", "255.255.255.255", true},
                    verdict_case{"192.168.100.100/24", "192.168.100.7", true},
                    verdict_case{"192.168.100.100/24", "192.168.101.7", false},
                    verdict_case{" 10.0.0.0\t/8", "10.1.1.1", true},
                    // an empty network part stands for 0.0.0.0
                    verdict_case{"/24", "0.0.0.5", true}, verdict_case{"\t /24", "1.0.0.5", false},
                    verdict_case{"10.0.0.0/8/9", "10.1.1.1", true},
                    verdict_case{"10.0.0.0/ 24abc", "10.0.0.9", true},
                    verdict_case{"10.0.0.0/+24", "10.0.1.9", false},
                    verdict_case{"10.0.0.*/24", "10.0.0.3", true},
                    verdict_case{"1.2.3/24", "1.2.3.4", true}, verdict_case{"0.0.0.0/8", "", true},
                    verdict_case{"10.0.0.0/8", "", false},
                    verdict_case{"10.0.0.0/13", "10.7.1.2", true}));

// --- the status of any arguments ---------------------------------------------

struct status_case {
    const char* network;
    const char* address;
    int status;
};

void PrintTo(const status_case& tc, std::ostream* os) {
    *os << test::show(tc.network) << " " << test::show(tc.address);
}

// Rules whose slips change the answer, and the reference's reading of them.
class Status : public testing::TestWithParam<status_case> {};

TEST_P(Status, FollowsTheDocumentedRules) {
    const status_case& tc = GetParam();
    EXPECT_EQ(run_program({"netsieve", tc.network, tc.address}).status, tc.status);
    EXPECT_EQ(test::reference_status(tc.network, tc.address), tc.status) << "the reference";
}

INSTANTIATE_TEST_SUITE_P(
    Table, Status,
    testing::Values(
        // blanks and tabs around the network part are ignored ...
        status_case{" 10.0.0.0/8", "10.0.0.1", 0}, status_case{"\t10.0.0.0\t/8", "10.0.0.1", 0},
        status_case{"10.0.0.0 /8", "11.0.0.1", 1},
        // ... and no other white space
        status_case{"\n10.0.0.0/8", "10.0.0.1", 2}, status_case{"10.0.0.0\n/8", "10.0.0.1", 2},
        status_case{"\v10.0.0.0/8", "10.0.0.1", 2}, status_case{"\f10.0.0.0/8", "10.0.0.1", 2},
        status_case{"\r10.0.0.0/8", "10.0.0.1", 2}, status_case{"10.0.0.0\r/8", "10.0.0.1", 2},
        // nor any around the address
        status_case{"10.0.0.0/8", " 10.0.0.1", 2}, status_case{"10.0.0.0/8", "10.0.0.1\r", 2},
        // the first '/' separates: /8 holds 10.1.1.1, /24 would not
        status_case{"10.0.0.0/8/24", "10.1.1.1", 0}, status_case{"10.0.0.0/24/8", "10.1.1.1", 1},
        // the prefix may begin with any white space
        status_case{"10.0.0.0/\n\r8", "10.1.1.1", 0}));

// Generated arguments, run in this process: the program's status must be
// the reference's for every prefix from 0 to 33, every byte in every place
// of a short network and address, nested slashes and white space around
// each part.
TEST(Reference, AgreesWithTheProgram) {
    std::vector<std::pair<std::string, std::string>> runs;
    for (int prefix = 0; prefix <= 33; ++prefix) {
        for (const char* address : {"172.16.0.0", "172.16.255.255", "172.31.255.255", "172.32.0.0",
                                    "173.16.0.0", "44.16.0.0", "0.0.0.0"}) {
            runs.emplace_back("172.16.0.0/" + std::to_string(prefix), address);
        }
    }
    const std::string network = "1.2.3.0/24";
    const std::string address = "1.2.3.4";
    for (int byte = 1; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        for (std::size_t at = 0; at <= network.size(); ++at) {
            runs.emplace_back(std::string(network).insert(at, 1, c), address);
            if (at < network.size()) {
                runs.emplace_back(std::string(network).replace(at, 1, 1, c), address);
            }
        }
        for (std::size_t at = 0; at <= address.size(); ++at) {
            runs.emplace_back(network, std::string(address).insert(at, 1, c));
            if (at < address.size()) {
                runs.emplace_back(network, std::string(address).replace(at, 1, 1, c));
            }
        }
    }
    for (const char* net : {"10.0.0.0/8/24", "10.0.0.0/24/8", "10.0.0.0//8", "/8/8", "//",
                            "10.0.0.0/8/", "/", "10.1/16/8"}) {
        for (const char* addr : {"10.1.1.1", "10.0.0.1", "0.0.0.0", ""}) {
            runs.emplace_back(net, addr);
        }
    }
    for (const char* space : {" ", "\t", "\n", "\v", "\f", "\r", " \t", "\t\n"}) {
        const std::string w = space;
        for (const std::string& net :
             {w + "10.0.0.0/8", "10.0.0.0" + w + "/8", "10.0.0.0/" + w + "8", "10.0.0.0/8" + w,
              w + "/8", w + "10.1.2.3" + w + "/" + w + "16"}) {
            runs.emplace_back(net, "10.1.2.3");
            runs.emplace_back("10.0.0.0/8", w + "10.1.2.3");
        }
    }
    for (const auto& [net, addr] : runs) {
        const char* const argv[] = {"netsieve", net.c_str(), addr.c_str(), nullptr};
        int status = 0;
        {
            test::stdout_sink sink;
            status = run(3, argv);
        }
        EXPECT_EQ(status, test::reference_status(net, addr))
            << test::show(net.c_str()) << " " << test::show(addr.c_str());
    }
}

// --- control characters and bytes above 127 anywhere -------------------------

// Whatever byte stands wherever, the program ends normally with the status
// that the rules give, says nothing on standard error, and closes with the
// one verdict line that repeats both arguments as given.
class HostileByte : public testing::TestWithParam<unsigned char> {};

TEST_P(HostileByte, NeverBreaksTheVerdict) {
    const char byte = static_cast<char>(GetParam());
    const std::string network = "10.0.0.0/8";
    const std::string address = "10.0.0.1";
    std::vector<std::pair<std::string, std::string>> runs;
    for (std::size_t at = 0; at <= network.size(); ++at) {
        runs.emplace_back(std::string(network).insert(at, 1, byte), address);
    }
    for (std::size_t at = 0; at <= address.size(); ++at) {
        runs.emplace_back(network, std::string(address).insert(at, 1, byte));
    }
    for (const auto& [net, addr] : runs) {
        const test::outcome got = run_program({"netsieve", net, addr});
        SCOPED_TRACE(test::show(net.c_str()) + " " + test::show(addr.c_str()));
        EXPECT_EQ(got.status, test::reference_status(net, addr));
        EXPECT_EQ(got.err, "");
        const std::string line = verdict(addr, net, got.status == exit_inside);
        ASSERT_GE(got.out.size(), line.size());
        EXPECT_EQ(got.out.substr(got.out.size() - line.size()), line);
    }
}

INSTANTIATE_TEST_SUITE_P(Bytes, HostileByte,
                         testing::Values(0x01, '\t', '\n', '\v', '\f', '\r', ' ', 0x1b, 0x7f, 0x80,
                                         0xa0, 0xff));

// --- output that cannot be written -----------------------------------------

struct lost_output_case {
    const char* name;
    out_mode mode;
    std::vector<std::string> argv;
    int status = exit_trouble;
};

void PrintTo(const lost_output_case& tc, std::ostream* os) {
    *os << tc.name;
}

class LostOutput : public testing::TestWithParam<lost_output_case> {};

// Runs that would answer 0 or 1 end with 2 when their output is lost, or,
// like grep and cat, die of SIGPIPE when the reader of their pipe is gone.
TEST_P(LostOutput, IsTroubleWhateverTheVerdict) {
    const test::outcome got = run_program(GetParam().argv, GetParam().mode);
    EXPECT_EQ(got.status, GetParam().status);
    EXPECT_EQ(got.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, LostOutput,
    testing::Values(
        lost_output_case{"FullInside", out_mode::full_device, {"ns", "10.0.0.0/8", "10.0.0.1"}},
        lost_output_case{"FullOutside", out_mode::full_device, {"ns", "10.0.0.0/8", "11.0.0.1"}},
        lost_output_case{"ClosedInside", out_mode::closed, {"ns", "10.0.0.0/8", "10.0.0.1"}},
        lost_output_case{"ClosedOutside", out_mode::closed, {"ns", "10.0.0.0/8", "11.0.0.1"}},
        lost_output_case{
            "ReaderGone", out_mode::reader_gone, {"ns", "10.0.0.0/8", "10.0.0.1"}, 128 + SIGPIPE}),
    [](const testing::TestParamInfo<lost_output_case>& info) { return info.param.name; });

} // namespace
} // namespace netsieve
