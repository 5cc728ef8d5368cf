// Runs the netsieve program as a separate process and collects what it did.
#pragma once

#include <string>
#include <vector>

namespace netsieve::test {

// Where the child's standard output goes: a file; /dev/full; nowhere (the
// descriptor closed); a pipe whose reader is gone, with SIGPIPE at its
// default action, as a shell leaves it.
enum class out_mode { capture, full_device, closed, reader_gone };

struct outcome {
    std::string out;
    std::string err;
    int status; // exit status, or 128 + signal number
};

// Starts the program with exactly `argv` as its argument vector (argv[0]
// included; an empty vector gives no entries at all). Under a wrapper the
// program gets the wrapper's choice of argv[0].
outcome run_program(const std::vector<std::string>& argv, out_mode mode = out_mode::capture);

// The program under test: $NETSIEVE_BIN, else the one this build made.
std::string program_path();

// The words of $NETSIEVE_WRAPPER, a command that run_program starts the
// program under (for example "valgrind -q --error-exitcode=99"). A word
// equal to argv0_word is replaced by the argv[0] of the run, for a wrapper
// that can hand it on ("qemu-s390x-static -0 @ARGV0@").
std::vector<std::string> wrapper();
bool wrapped();
inline constexpr const char* argv0_word = "@ARGV0@";
// Whether the wrapper hands the program the argv[0] of the run.
bool wrapper_passes_name();

// The contents of a file in tests/fixtures.
std::string fixture(const std::string& name);

} // namespace netsieve::test
