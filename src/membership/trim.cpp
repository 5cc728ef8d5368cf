#include "membership/trim.hpp"

#include "text/text.hpp"

#include <stdlib.h>
#include <string.h>

namespace netsieve {

char* dup_text(char** out, const char* text) {
    const size_t size = strlen(text) + 1;
    *out = static_cast<char*>(malloc(size));
    if (*out != nullptr) {
        memcpy(*out, text, size);
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
    const size_t length = strlen(rest);
    if (length > 0) {
        // The first character of `rest` is not in the set, so this walk
        // stops on it at the latest.
        char* last = rest + length - 1;
        while (char_pos(set, *last) > 0) {
            --last;
        }
        last[1] = '\0';
    }
    memcpy(text, rest, strlen(rest) + 1);
    free(copy);
    return text;
}

} // namespace netsieve
