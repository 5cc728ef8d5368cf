// Trimming of the network part before its syntax check.
#pragma once

namespace netsieve {

// Allocates a copy of `text` (with its terminator), stores its address in
// `*out` and returns it; stores and returns null when memory is exhausted.
// The caller frees the copy with free.
char* dup_text(char** out, const char* text);

// Removes, in place, every leading and trailing character of `text` that
// occurs in `set`; inner ones stay. Returns `text`. When no working copy can
// be allocated, `text` is returned untrimmed.
char* trim_chars(char* text, const char* set);

} // namespace netsieve
