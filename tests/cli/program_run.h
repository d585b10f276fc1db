#pragma once
// Runs zenlith-ephemeris as a user would: arguments, bytes on standard input,
// and what comes back on standard output and standard error.
#include <string>
#include <vector>

namespace zenlith::cli {

struct ProgramResult {
    int status = -1;  // the exit status; 128 + n after signal n
    std::string out;
    std::string err;
};

// stdoutPath: where standard output goes instead of being captured.
ProgramResult runProgram(const std::vector<std::string>& arguments, const std::string& input = {},
                         const std::string& stdoutPath = {});

// Whether a line of the text holds both Latin and Hebrew letters.
bool mixesLanguagesInALine(const std::string& text);

// Starts the program with its output to a file and sends it the signal after
// the given delay; returns its exit status.
int interruptProgram(const std::vector<std::string>& arguments, int delayMilliseconds, int signal = 2 /* SIGINT */);

}  // namespace zenlith::cli
