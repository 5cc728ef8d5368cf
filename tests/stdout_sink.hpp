// Stands in for standard output inside the test process: a fully buffered
// stream whose bytes reach the sink only when the stream is flushed, one
// recorded write per flush. A chosen write can be made to fail, as a full
// disk or a broken pipe would, while the writes after it succeed.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace netsieve::test {

class stdout_sink {
  public:
    // `failing_write` is the 1-based number of the write that fails; 0 for
    // none.
    explicit stdout_sink(int failing_write = 0);
    ~stdout_sink();
    stdout_sink(const stdout_sink&) = delete;
    stdout_sink& operator=(const stdout_sink&) = delete;

    // The writes that reached the sink so far, in order; a failed write
    // is not among them.
    const std::vector<std::string>& writes() const { return writes_; }

    // Everything written so far, including what the stream still holds:
    // the stream is flushed first.
    std::string text();

  private:
    static ssize_t write(void* cookie, const char* data, std::size_t size);

    std::FILE* saved_;
    std::FILE* stream_;
    int failing_write_;
    int calls_ = 0;
    std::vector<std::string> writes_;
};

} // namespace netsieve::test
