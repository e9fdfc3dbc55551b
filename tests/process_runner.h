#pragma once
// Runs a program as a child process with its standard input taken from a string,
// and collects its exit code, standard output and standard error.

#include <string>
#include <vector>

struct ProcessResult {
    int exit_code = -1;
    std::string out;
    std::string err;
};

ProcessResult run_process(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& input, const std::string& scratch_directory);
