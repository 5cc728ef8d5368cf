#include "text/text.hpp"

#include <climits>
#include <cstddef>

namespace netsieve {

int char_pos(const char* text, char c) {
    if (text == nullptr || c == '\0') {
        return 0;
    }
    // A position that would not fit an int counts as "not found" rather
    // than wrapping; no argument the platform hands over is that long.
    for (std::size_t i = 0; text[i] != '\0' && i < INT_MAX; ++i) {
        if (text[i] == c) {
            return static_cast<int>(i + 1);
        }
    }
    return 0;
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
