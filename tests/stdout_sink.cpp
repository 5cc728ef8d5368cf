#include "stdout_sink.hpp"

#include <cerrno>
#include <stdexcept>

namespace netsieve::test {

stdout_sink::stdout_sink(int failing_write) : saved_(stdout), failing_write_(failing_write) {
    std::fflush(stdout);
    stream_ = fopencookie(this, "w", {nullptr, &stdout_sink::write, nullptr, nullptr});
    if (stream_ == nullptr) {
        throw std::runtime_error("fopencookie failed");
    }
    // Far larger than anything the program prints between two flushes, so
    // that the buffer never fills and writes only on a flush.
    std::setvbuf(stream_, nullptr, _IOFBF, 1 << 16);
    stdout = stream_;
}

stdout_sink::~stdout_sink() {
    std::fflush(stream_);
    stdout = saved_;
    std::fclose(stream_);
}

std::string stdout_sink::text() {
    std::fflush(stream_);
    std::string all;
    for (const std::string& write : writes_) {
        all += write;
    }
    return all;
}

ssize_t stdout_sink::write(void* cookie, const char* data, std::size_t size) {
    auto* sink = static_cast<stdout_sink*>(cookie);
    if (++sink->calls_ == sink->failing_write_) {
        errno = EIO;
        return -1;
    }
    sink->writes_.emplace_back(data, size);
    return static_cast<ssize_t>(size);
}

} // namespace netsieve::test
