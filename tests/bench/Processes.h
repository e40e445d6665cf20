#pragma once

// Small helpers of the bench driver: running another program and reading
// what it printed, with its wall time and its peak resident memory.

#include <string>
#include <vector>

namespace bench {

struct ProcessResult {
    bool started = false;
    int exitCode = -1;        // -1 when it did not exit normally
    double seconds = 0.0;     // wall time from the start to the exit
    double startedAt = 0.0;   // CLOCK_MONOTONIC seconds just before the start
    long peakKilobytes = 0;   // its own peak resident set
    std::string output;       // what it wrote to its standard output
};

// Runs program with arguments; `environment` entries ("NAME=value") are
// added to this process's environment. The standard error is passed through.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = {});

// The path of this executable.
std::string selfPath();

}  // namespace bench
