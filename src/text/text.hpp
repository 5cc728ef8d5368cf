// Byte-string helpers shared by the parser, the check and the entry.
#pragma once

namespace netsieve {

// 1-based position of the first `c` in `text`; 0 when `text` is null or
// empty, when `c` is NUL, or when `c` does not occur. Also serves as a
// character-class test: `char_pos("0123456789", c) > 0` means "c is a digit".
int char_pos(const char* text, char c);

// Copies at most `n` characters of `src` (stopping at its NUL) into `dst`
// and terminates it. With `n <= 0` `dst` becomes empty. `dst` must have
// room for `n + 1` bytes. Returns `dst`.
char* copy_max(char* dst, const char* src, int n);

} // namespace netsieve
