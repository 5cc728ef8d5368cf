#include "address/dotted_quad.hpp"

#include "text/text.hpp"

#include <stdio.h>

namespace netsieve {

namespace {

constexpr const char* digits = "0123456789";
constexpr const char* wildcards = "?*";

constexpr int max_position = 15; // characters at positions 0..15 are examined
constexpr int max_digits = 3;
constexpr int max_dots = 3;
constexpr unsigned max_octet = 255;

bool is_digit(char c) {
    return char_pos(digits, c) > 0;
}

// Appends a digit to an octet value. Values above max_octet are held at
// max_octet + 1 so that a long run of digits cannot wrap back into range.
unsigned append_digit(unsigned octet, char c) {
    if (octet > max_octet) {
        return octet;
    }
    const unsigned value = octet * 10 + static_cast<unsigned>(c - '0');
    return value > max_octet ? max_octet + 1 : value;
}

} // namespace

int ip_check(const char* text) {
    if (text == nullptr || text[0] == '\0') {
        return 1;
    }
    int dots = 0;
    int octet_digits = 0;
    unsigned octet = 0;
    for (int pos = 0; text[pos] != '\0'; ++pos) {
        const char c = text[pos];
        if (pos > max_position) {
            return 0;
        }
        if (is_digit(c)) {
            octet = append_digit(octet, c);
            if (++octet_digits > max_digits) {
                printf("ip_check() digits>3 at %i [%s]\n", pos, text);
                fflush(stdout);
                return 0;
            }
        } else if (c == '.') {
            if (++dots > max_dots) {
                printf("ip_check() dots>3 at %i [%s]\n", pos, text);
                fflush(stdout);
                return 0;
            }
            if (octet_digits == 0) {
                printf("Error: null octet found\n");
                fflush(stdout);
                return 0;
            }
            if (octet > max_octet) {
                return 0;
            }
            octet_digits = 0;
            octet = 0;
        } else if (char_pos(wildcards, c) == 0) {
            return 0;
        }
    }
    return octet > max_octet ? 0 : 1;
}

uint32_t ip_to_int(const char* text) {
    if (text == nullptr || text[0] == '\0') {
        return 0;
    }
    uint32_t result = 0;
    int shift = 32;
    unsigned octet = 0;
    for (const char* p = text; *p != '\0'; ++p) {
        if (is_digit(*p)) {
            octet = append_digit(octet, *p);
        }
        // A dot closes the octet before it; so does the last character,
        // whatever it is (a digit there was appended just above).
        if (*p == '.' || p[1] == '\0') {
            shift -= 8;
            if (octet > max_octet) {
                return 0;
            }
            if (shift < 0) {
                return result; // a fifth octet: only in texts ip_check refuses
            }
            result |= static_cast<uint32_t>(octet) << shift;
            octet = 0;
        }
    }
    return result;
}

} // namespace netsieve
