#include "membership/trim.hpp"

#include "text/text.hpp"

#include <cstdlib>
#include <cstring>

namespace netsieve {

char* dup_text(char** out, const char* text) {
    const std::size_t size = std::strlen(text) + 1;
    *out = static_cast<char*>(std::malloc(size));
    if (*out != nullptr) {
        std::memcpy(*out, text, size);
    }
    return *out;
}

char* trim_chars(char* text, const char* set) {
    char* copy = nullptr;
    if (dup_text(&copy, text) == nullptr) {
        return text;
    }
    char* rest = copy;
    while (char_pos(set, *rest) > 0) {
        ++rest;
    }
    const std::size_t length = std::strlen(rest);
    if (length > 0) {
        // The first character of `rest` is not in the set, so this walk
        // stops on it at the latest.
        char* last = rest + length - 1;
        while (char_pos(set, *last) > 0) {
            --last;
        }
        last[1] = '\0';
    }
    std::memcpy(text, rest, std::strlen(rest) + 1);
    std::free(copy);
    return text;
}

} // namespace netsieve
