#include "program_run.h"

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

int interruptProgram(const std::vector<std::string>& arguments, int delayMilliseconds) {
    const std::string in = temporaryFile({});
    const pid_t child = start(arguments, in, "/dev/null", "/dev/null");
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMilliseconds));
    ::kill(child, SIGINT);
    const int status = waitFor(child);
    std::remove(in.c_str());
    return status;
}

}  // namespace zenlith::cli
