// What netsieve answers, restated from its user documentation (the README's
// "What is accepted" and the man page) and not from its code: a dotted quad
// is split into octets first and judged afterwards, the network argument is
// cut at its first '/' with the standard string functions, and the mask is
// a shift. Tests and the whole-program fuzz target hold the program to it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace netsieve::test {

// The value of a dotted quad, or nothing when netsieve refuses it.
std::optional<std::uint32_t> reference_quad(const std::string& text);

// The exit status of a run on these two arguments when its output can be
// written: 0 inside, 1 outside, 2 an argument refused.
int reference_status(const std::string& network, const std::string& address);

} // namespace netsieve::test
