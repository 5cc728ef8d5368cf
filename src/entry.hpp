// The command-line front end: usage text, the check, the verdict line.
#pragma once

namespace netsieve {

// Exit statuses, after grep: 0 inside, 1 outside, 2 trouble (usage, a
// rejected argument, or output that could not be written).
inline constexpr int exit_inside = 0;
inline constexpr int exit_outside = 1;
inline constexpr int exit_trouble = 2;

// Runs the program on its argument vector and returns the exit status.
int run(int argc, const char* const* argv);

// The last path component of `path` (after the last '\', or when there is
// none after the last '/'), cut to 256 characters, in a static buffer that
// the next call overwrites.
const char* base_name(const char* path);

// 1-based position of the last `c` in `text`, or 0 when it does not occur.
int char_rpos(const char* text, char c);

} // namespace netsieve
