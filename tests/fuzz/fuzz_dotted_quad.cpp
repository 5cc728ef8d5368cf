// ip_check and ip_to_int on any bytes: ip_check accepts exactly the texts
// that the documented rules accept (tests/reference.cpp restates them), and
// ip_to_int gives their value.
#include "address/dotted_quad.hpp"
#include "reference.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // ip_check reports some faults on standard output; keep the fuzzer's own quiet.
    return std::freopen("/dev/null", "w", stdout) == nullptr ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* c_text = text.c_str(); // stops at the first NUL, as argv would
    const std::optional<std::uint32_t> expected = netsieve::test::reference_quad(c_text);
    const std::uint32_t value = netsieve::ip_to_int(c_text); // refused texts: any value, no harm
    if ((netsieve::ip_check(c_text) == 1) != expected.has_value() ||
        (expected && value != *expected)) {
        std::abort();
    }
    return 0;
}
