// Dotted-quad text: the syntax check and the conversion to a 32-bit value.
#pragma once

#include <stdint.h>

namespace netsieve {

// 1 when `text` is an acceptable dotted quad, else 0. Digits, dots and the
// wildcards '?' and '*' (which count for nothing) are allowed; at most 16
// characters, 3 digits an octet, 3 dots, octet values up to 255. The last
// octet may be empty and fewer than four octets are fine. A null or empty
// text is acceptable. Too many digits, too many dots and an empty octet
// before a dot print a line (and flush); the other refusals print nothing.
int ip_check(const char* text);

// The value of a text that ip_check accepted, first octet in the most
// significant byte; octets the text does not give are 0. A null or empty
// text, or an octet above 255, gives 0. For other texts it returns some
// value and touches nothing outside the text.
uint32_t ip_to_int(const char* text);

} // namespace netsieve
