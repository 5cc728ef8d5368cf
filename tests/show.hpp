// Renders a test's input text for test names: printable ASCII as it is,
// other bytes as \xNN, a null text as (null).
#pragma once

#include <cstdio>
#include <string>

namespace netsieve::test {

inline std::string show(const char* text) {
    if (text == nullptr) {
        return "(null)";
    }
    std::string shown = "\"";
    for (const char* p = text; *p != '\0' && shown.size() < 40; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        if (byte >= 0x20 && byte < 0x7f) {
            shown += *p;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            shown += hex;
        }
    }
    return shown + "\"";
}

} // namespace netsieve::test
