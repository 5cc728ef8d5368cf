// char_pos, char_rpos, copy_max and base_name on any text: positions in
// bounds and pointing at the character, copies a prefix no longer than
// asked, base names a suffix of at most 256 characters.
#include "entry.hpp"
#include "text/text.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const char c = static_cast<char>(data[0]);
    const int n = static_cast<std::int8_t>(data[1]); // -128 .. 127
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string text = bytes.c_str();

    const int pos = netsieve::char_pos(text.c_str(), c);
    const std::size_t first = c == '\0' ? std::string::npos : text.find(c);
    require(pos == (first == std::string::npos ? 0 : static_cast<int>(first) + 1));

    if (c != '\0') {
        const int rpos = netsieve::char_rpos(text.c_str(), c);
        const std::size_t last = text.rfind(c);
        require(rpos == (last == std::string::npos ? 0 : static_cast<int>(last) + 1));
    }

    // A destination with exactly n + 1 bytes, so ASan sees any overrun.
    std::vector<char> dst(static_cast<std::size_t>(n > 0 ? n : 0) + 1);
    netsieve::copy_max(dst.data(), text.c_str(), n);
    const std::size_t copied = n > 0 ? std::min(text.size(), static_cast<std::size_t>(n)) : 0;
    require(std::strlen(dst.data()) == copied && text.compare(0, copied, dst.data()) == 0);

    const std::string name = netsieve::base_name(text.c_str());
    require(name.size() <= 256);
    const std::size_t sep =
        text.find('\\') != std::string::npos ? text.rfind('\\') : text.rfind('/');
    const std::string tail = sep == std::string::npos ? text : text.substr(sep + 1);
    require(name == tail.substr(0, 256));
    return 0;
}
