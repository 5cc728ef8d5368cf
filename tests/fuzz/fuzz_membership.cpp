// The whole program on any two arguments: the bytes before the first NUL
// are the network argument, the rest (to the next NUL) the address. Its
// status must be the one that the documented rules give, as restated
// independently in tests/reference.cpp.
#include "entry.hpp"
#include "reference.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return std::freopen("/dev/null", "w", stdout) == nullptr ? 1 : 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    // as argv would hand them over: each text ends at its first NUL
    const std::string network = input.substr(0, split).c_str();
    const std::string address =
        split == std::string::npos ? "" : std::string(input.substr(split + 1).c_str());

    const char* argv[] = {"netsieve", network.c_str(), address.c_str(), nullptr};
    // output to /dev/null never fails, so the status is the verdict's
    if (netsieve::run(3, argv) != netsieve::test::reference_status(network, address)) {
        std::abort();
    }
    return 0;
}
