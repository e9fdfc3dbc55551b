#include "command_line.h"

#include <algorithm>

const std::vector<std::string>& pass_names() {
    static const std::vector<std::string> names = {"accel", "three", "translate", "single"};
    return names;
}

std::string usage_text() {
    return "Usage: lochelper-cli [--dict PATH] [--input FILE] [--output FILE] PASS [PASS ...]\n"
           "用法: lochelper-cli [--dict 词典] [--input 输入文件] [--output 输出文件] 处理 [处理 "
           "...]\n"
           "\n"
           "Applies the passes, in the order given, to a GBK language file with CR LF lines.\n"
           "按给出的顺序对 GBK 编码、CR LF 换行的语言包文件执行各项处理。\n"
           "\n"
           "PASS / 处理:\n"
           "  accel      move accelerator markers: \"&Open...\" -> \"Open(&O)...\"   快捷键处理\n"
           "  three      three-line layout: source, translation, empty line         转成三行\n"
           "  translate  pre-translate the translation lines from the dictionary    自动翻译\n"
           "  single     keep only the translation lines                            转成单行\n"
           "\n"
           "Options / 选项:\n"
           "  --input FILE   read FILE instead of standard input        "
           "从文件读入（默认标准输入）\n"
           "  --output FILE  write FILE (atomically) instead of standard output\n"
           "                                                           写入文件（默认标准输出）\n"
           "  --dict PATH    dictionary for translate (default: default.edb beside the program)\n"
           "                                                           词典（默认为程序目录下的 "
           "default.edb）\n"
           "  --help         show this text                             显示本说明\n"
           "\n"
           "Exit status / 退出码: 0 success 成功, 1 file or dictionary error 文件或词典错误,\n"
           "2 wrong usage 用法错误.\n"
           "Example / 示例: lochelper-cli --input menu.lng --output menu.txt accel three\n";
}

namespace {

bool is_pass_name(const std::string& name) {
    const auto& names = pass_names();
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Takes "--name VALUE" or "--name=VALUE"; returns false when the option is not `name`.
bool take_option(const std::vector<std::string>& arguments, size_t& i, const std::string& name,
                 std::optional<std::string>& value, std::string& error) {
    const std::string& argument = arguments[i];
    if (argument.rfind(name + "=", 0) == 0) {
        value = argument.substr(name.size() + 1);
        return true;
    }
    if (argument != name)
        return false;
    if (i + 1 >= arguments.size()) {
        error = "option " + name + " needs a value";
        return true;
    }
    value = arguments[++i];
    return true;
}

} // namespace

bool parse_command_line(const std::vector<std::string>& arguments, CommandLine& command_line,
                        std::string& error) {
    error.clear();
    for (size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string& argument = arguments[i];
        const bool took_option =
            take_option(arguments, i, "--dict", command_line.dictionary, error) ||
            take_option(arguments, i, "--input", command_line.input, error) ||
            take_option(arguments, i, "--output", command_line.output, error);
        if (took_option)
            continue;
        if (argument == "--help" || argument == "-h") {
            command_line.help = true;
        } else if (!argument.empty() && argument[0] == '-') {
            error = "unknown option " + argument;
        } else if (is_pass_name(argument)) {
            command_line.passes.push_back(argument);
        } else {
            error = "unknown pass " + argument;
        }
    }
    if (error.empty() && !command_line.help && command_line.passes.empty())
        error = "no pass given";
    return error.empty();
}
