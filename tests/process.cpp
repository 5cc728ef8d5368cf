#include "process.hpp"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace netsieve::test {

namespace {

std::string slurp(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        text.append(chunk, n);
    }
    std::fclose(file);
    return text;
}

} // namespace

std::string program_path() {
    const char* env = std::getenv("NETSIEVE_BIN");
    if (env == nullptr || env[0] == '\0') {
        return NETSIEVE_BIN;
    }
    // Said once per test process, so that a NETSIEVE_BIN left exported
    // cannot point the tests at another program unnoticed.
    static const bool announced = [env] {
        std::fprintf(stderr, "end-to-end tests run NETSIEVE_BIN=%s\n", env);
        return true;
    }();
    (void)announced;
    return env;
}

std::vector<std::string> wrapper() {
    std::vector<std::string> words;
    const char* env = std::getenv("NETSIEVE_WRAPPER");
    std::istringstream in(env != nullptr ? env : "");
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

bool wrapped() {
    return !wrapper().empty();
}

std::string fixture(const std::string& name) {
    std::ifstream in(std::string(NETSIEVE_FIXTURES) + "/" + name, std::ios::binary);
    if (!in) {
        throw std::runtime_error("missing fixture " + name);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool wrapper_passes_name() {
    const std::vector<std::string> words = wrapper();
    return std::find(words.begin(), words.end(), argv0_word) != words.end();
}

outcome run_program(const std::vector<std::string>& argv, out_mode mode) {
    // A wrapper (valgrind, say) is started with the program's path and its
    // arguments; argv[0] is then the wrapper's to choose, unless the wrapper
    // takes it as an argument (qemu's -0) in place of argv0_word.
    std::vector<std::string> words = wrapper();
    const std::string path = words.empty() ? program_path() : words.front();
    if (!words.empty()) {
        for (std::string& word : words) {
            if (word == argv0_word) {
                word = argv.empty() ? "" : argv.front();
            }
        }
        words.push_back(program_path());
        words.insert(words.end(), argv.begin() + (argv.empty() ? 0 : 1), argv.end());
    }
    const std::vector<std::string>& vector = words.empty() ? argv : words;
    std::vector<char*> args;
    for (const std::string& arg : vector) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);

    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (out == nullptr || err == nullptr) {
        throw std::runtime_error("no temporary file");
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        if (mode == out_mode::capture) {
            dup2(fileno(out), STDOUT_FILENO);
        } else if (mode == out_mode::full_device) {
            const int full = open("/dev/full", O_WRONLY);
            dup2(full, STDOUT_FILENO);
            close(full);
        } else if (mode == out_mode::closed) {
            close(STDOUT_FILENO);
        } else {
            int ends[2];
            if (pipe(ends) != 0) {
                _exit(127);
            }
            close(ends[0]);
            dup2(ends[1], STDOUT_FILENO);
            close(ends[1]);
            std::signal(SIGPIPE, SIG_DFL);
        }
        dup2(fileno(err), STDERR_FILENO);
        execvp(path.c_str(), args.data());
        _exit(127);
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    outcome result;
    result.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    result.out = slurp(out);
    result.err = slurp(err);
    return result;
}

} // namespace netsieve::test
