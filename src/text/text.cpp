#include "text/text.hpp"

#include <limits.h>
#include <stddef.h>
#include <string.h>

namespace netsieve {

int char_pos(const char* text, char c) {
    if (text == nullptr || c == '\0') {
        return 0;
    }
    const char* hit = strchr(text, c);
    if (hit == nullptr) {
        return 0;
    }
    // A position that would not fit an int counts as "not found" rather
    // than wrapping; no argument the platform hands over is that long.
    const ptrdiff_t offset = hit - text;
    return offset < INT_MAX ? static_cast<int>(offset + 1) : 0;
}

char* copy_max(char* dst, const char* src, int n) {
    int i = 0;
    for (; i < n && src[i] != '\0'; ++i) {
        dst[i] = src[i];
    }
    dst[i] = '\0';
    return dst;
}

} // namespace netsieve
