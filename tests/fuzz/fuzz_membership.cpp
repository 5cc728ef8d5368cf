// The whole program on any two arguments: the bytes before the first NUL
// are the network argument, the rest (to the next NUL) the address.
#include "entry.hpp"
#include "membership/membership.hpp"

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
    const std::string network = input.substr(0, split);
    const std::string address = split == std::string::npos ? "" : input.substr(split + 1);

    const char* argv[] = {"netsieve", network.c_str(), address.c_str(), nullptr};
    const int status = netsieve::run(3, argv);
    const int inside = netsieve::ip_in_net(network.c_str(), address.c_str());
    // 0 goes with "inside" and only with it; output to /dev/null never fails.
    if ((status == netsieve::exit_inside) != (inside == 1) || status < 0 || status > 2) {
        std::abort();
    }
    return 0;
}
