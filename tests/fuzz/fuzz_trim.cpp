// trim_chars on any text and set: the result is the text with the run of
// set characters at each end removed, and nothing else changed. The first
// byte gives the length of the set, taken from the bytes after it.
#include "membership/trim.hpp"
#include "text/text.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t set_size = data[0] % 8 < size - 1 ? data[0] % 8 : size - 1;
    const std::string set_bytes(reinterpret_cast<const char*>(data + 1), set_size);
    const std::string text_bytes(reinterpret_cast<const char*>(data + 1 + set_size),
                                 size - 1 - set_size);
    const std::string set = set_bytes.c_str();
    const std::string original = text_bytes.c_str();

    std::string text = original;
    const char* result = netsieve::trim_chars(text.data(), set.c_str());
    if (result != text.data()) {
        std::abort();
    }
    const std::size_t first = set.empty() ? 0 : original.find_first_not_of(set);
    const std::size_t last = set.empty() ? original.size() : original.find_last_not_of(set);
    const std::string expected =
        first == std::string::npos
            ? std::string()
            : original.substr(first, set.empty() ? std::string::npos : last - first + 1);
    if (expected != result) {
        std::abort();
    }
    return 0;
}
