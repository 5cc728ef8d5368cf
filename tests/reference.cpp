#include "reference.hpp"

#include <cstddef>
#include <string>
#include <vector>

namespace netsieve::test {

namespace {

// The prefix text: optional white space, an optional sign, then decimal
// digits up to the first other character; no digits is 0. Values far out of
// range stay out of range: the count stops growing past a thousand.
long prefix_value(const std::string& text) {
    std::size_t at = text.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) {
        return 0;
    }
    long sign = 1;
    if (text[at] == '+' || text[at] == '-') {
        sign = text[at] == '-' ? -1 : 1;
        ++at;
    }
    long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        if (value < 1000) {
            value = value * 10 + (text[at] - '0');
        }
    }
    return sign * value;
}

} // namespace

std::optional<std::uint32_t> reference_quad(const std::string& text) {
    // At most 16 characters, wildcards included.
    if (text.size() > 16) {
        return std::nullopt;
    }
    // The digits of each octet; the wildcards ? and * add nothing.
    std::vector<std::string> octets(1);
    for (const char c : text) {
        if (c == '.') {
            octets.emplace_back();
        } else if (c >= '0' && c <= '9') {
            octets.back() += c;
        } else if (c != '?' && c != '*') {
            return std::nullopt;
        }
    }
    if (octets.size() > 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::string& digits = octets[i];
        if (digits.empty()) {
            // an empty octet is allowed only as the last one
            if (i + 1 < octets.size()) {
                return std::nullopt;
            }
            continue;
        }
        if (digits.size() > 3 || std::stoul(digits) > 255) {
            return std::nullopt;
        }
        value += static_cast<std::uint32_t>(std::stoul(digits)) << (8 * (3 - i));
    }
    return value;
}

int reference_status(const std::string& network, const std::string& address) {
    const std::optional<std::uint32_t> addr = reference_quad(address);
    const std::size_t slash = network.find('/');
    // the network part, before the first '/', has at most 15 characters
    if (!addr || slash == std::string::npos || slash > 15) {
        return 2;
    }
    // blanks and tabs around it are ignored, and nothing else is
    std::string part = network.substr(0, slash);
    const std::size_t first = part.find_first_not_of(" \t");
    part = first == std::string::npos
               ? ""
               : part.substr(first, part.find_last_not_of(" \t") + 1 - first);
    const std::optional<std::uint32_t> net = reference_quad(part);
    const long prefix = prefix_value(network.substr(slash + 1));
    if (!net || prefix < 1 || prefix > 32) {
        return 2;
    }
    const std::uint32_t mask = 0xFFFFFFFFU << (32 - prefix);
    return ((*net ^ *addr) & mask) == 0 ? 0 : 1;
}

} // namespace netsieve::test
