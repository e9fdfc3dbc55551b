#pragma once
// The command line of lochelper-cli:
//   lochelper-cli [--dict PATH] [--input FILE] [--output FILE] PASS [PASS ...]

#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    bool help = false;
    std::optional<std::string> dictionary;
    std::optional<std::string> input;
    std::optional<std::string> output;
    std::vector<std::string> passes;
};

// The names PASS can take, in the order the window's buttons offer them.
const std::vector<std::string>& pass_names();
std::string usage_text();

// False, with what is wrong in `error`, for an unknown option or pass, a missing
// option value, or no pass at all (unless --help is given).
bool parse_command_line(const std::vector<std::string>& arguments, CommandLine& command_line,
                        std::string& error);
