// ip_check and ip_to_int on any bytes: whatever ip_check accepts must obey
// the dotted-quad rules, and ip_to_int must give the value computed here
// the plain way.
#include "address/dotted_quad.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Splits an accepted text at its dots, dropping the wildcards.
std::vector<std::string> octets_of(const std::string& text) {
    std::vector<std::string> octets(1);
    for (const char c : text) {
        if (c == '.') {
            octets.emplace_back();
        } else if (c >= '0' && c <= '9') {
            octets.back() += c;
        } else if (c != '?' && c != '*') {
            std::abort(); // accepted a character outside the alphabet
        }
    }
    return octets;
}

std::uint32_t reference_value(const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    const std::vector<std::string> octets = octets_of(text);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < octets.size() && i < 4; ++i) {
        const std::uint32_t octet = octets[i].empty() ? 0 : std::stoul(octets[i]);
        value |= octet << (24 - 8 * i);
    }
    return value;
}

void check_accepted(const std::string& text) {
    if (text.size() > 16) {
        std::abort();
    }
    const std::vector<std::string> octets = octets_of(text);
    if (text.empty()) {
        return;
    }
    if (octets.size() > 4) {
        std::abort();
    }
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::string& digits = octets[i];
        const bool last = i + 1 == octets.size();
        if ((digits.empty() && !last) || digits.size() > 3 ||
            (!digits.empty() && std::stoul(digits) > 255)) {
            std::abort();
        }
    }
    if (netsieve::ip_to_int(text.c_str()) != reference_value(text)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // ip_check reports some faults on standard output; keep the fuzzer's own quiet.
    return std::freopen("/dev/null", "w", stdout) == nullptr ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* c_text = text.c_str(); // stops at the first NUL, as argv would
    if (netsieve::ip_check(c_text) == 1) {
        check_accepted(c_text);
    } else {
        (void)netsieve::ip_to_int(c_text); // refused texts: any value, no harm
    }
    return 0;
}
