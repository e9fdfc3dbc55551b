// lochelper-cli: the helper's line passes on files, for batch work and scripts.
// Exit status: 0 success, 1 a file or the dictionary could not be used, 2 wrong usage.

#include "accelerator.h"
#include "command_line.h"
#include "file_operations.h"
#include "line_layout.h"
#include "translation_pass.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <unistd.h>

namespace {

int fail(const std::string& message) {
    std::cerr << "lochelper-cli: " << message << "\n";
    return 1;
}

std::string apply_pass(const std::string& name, const std::string& content,
                       const DictionaryIndex& dictionary) {
    NoProgress progress;
    if (name == "accel")
        return accelerator_pass(content, progress);
    if (name == "three")
        return three_line_pass(content, progress);
    if (name == "translate")
        return auto_translate(content, dictionary, progress);
    return single_line_pass(content, progress);
}

bool wants_dictionary(const CommandLine& command_line) {
    const auto& passes = command_line.passes;
    return std::find(passes.begin(), passes.end(), "translate") != passes.end();
}

} // namespace

int main(int argc, char** argv) {
    CommandLine command_line;
    std::string error;
    if (!parse_command_line(std::vector<std::string>(argv + 1, argv + argc), command_line, error)) {
        std::cerr << "lochelper-cli: " << error << "\n\n" << usage_text();
        return 2;
    }
    if (command_line.help) {
        std::cout << usage_text();
        return 0;
    }

    // The dictionary is read first, so a missing one stops the run before any output.
    DictionaryIndex dictionary;
    if (wants_dictionary(command_line)) {
        const std::string path =
            command_line.dictionary.value_or(default_dictionary_path(program_directory()));
        switch (load_dictionary_index(path, dictionary, error)) {
        case DictionaryLoad::loaded:
            break;
        case DictionaryLoad::missing:
            return fail(path + ": " + missing_dictionary_message);
        case DictionaryLoad::unusable:
            return fail(error);
        }
    }

    std::string content;
    if (command_line.input) {
        if (!read_file(*command_line.input, content, &error))
            return fail(error);
    } else if (!read_all(STDIN_FILENO, content)) {
        return fail(system_error_text("<stdin>", errno));
    }

    for (const std::string& pass : command_line.passes)
        content = apply_pass(pass, content, dictionary);

    if (command_line.output) {
        if (!write_file(*command_line.output, content, &error))
            return fail(error);
    } else if (!write_all(STDOUT_FILENO, content)) {
        return fail(system_error_text("<stdout>", errno));
    }
    return 0;
}
