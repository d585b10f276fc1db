#include "program_run.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace zenlith::cli {

namespace {

std::string temporaryFile(const std::string& contents) {
    char name[] = "/tmp/zenlith-cli-test-XXXXXX";
    const int fd = ::mkstemp(name);
    std::ofstream(name, std::ios::binary) << contents;
    ::close(fd);
    return name;
}

std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

pid_t start(const std::vector<std::string>& arguments, const std::string& in, const std::string& out,
            const std::string& err) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(::open(in.c_str(), O_RDONLY), STDIN_FILENO);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(ZENLITH_EPHEMERIS)};
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return child;
}

int waitFor(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

ProgramResult runProgram(const std::vector<std::string>& arguments, const std::string& input,
                         const std::string& stdoutPath) {
    const std::string in = temporaryFile(input);
    const std::string out = stdoutPath.empty() ? temporaryFile({}) : stdoutPath;
    const std::string err = temporaryFile({});
    ProgramResult result;
    result.status = waitFor(start(arguments, in, out, err));
    if (stdoutPath.empty()) {
        result.out = slurp(out);
        std::remove(out.c_str());
    }
    result.err = slurp(err);
    std::remove(in.c_str());
    std::remove(err.c_str());
    return result;
}

int interruptProgram(const std::vector<std::string>& arguments, int delayMilliseconds, int signal) {
    const std::string in = temporaryFile({});
    const pid_t child = start(arguments, in, "/dev/null", "/dev/null");
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMilliseconds));
    ::kill(child, signal);
    const int status = waitFor(child);
    std::remove(in.c_str());
    return status;
}

bool mixesLanguagesInALine(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, end - start);
        const bool latin = std::any_of(line.begin(), line.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); });
        // UTF-8 lead bytes of U+0580..U+05FF, where the Hebrew letters are.
        const bool hebrew = line.find('\xd6') != std::string_view::npos || line.find('\xd7') != std::string_view::npos;
        if (latin && hebrew) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace zenlith::cli
