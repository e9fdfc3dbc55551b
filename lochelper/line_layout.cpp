#include "line_layout.h"

std::string three_line_pass(const std::string& content, PassProgress& progress) {
    return run_line_pass(
        content, progress,
        [](long n, const LineSource& lines, std::string& out, PassProgress& p) {
            const std::string_view line = lines.line(n - 1);
            out.append(line);
            out += "\r\n";
            out.append(line);
            out += "\r\n\r\n";
            p.set_position(n);
        },
        2.0);
}

std::string single_line_pass(const std::string& content, PassProgress& progress) {
    return run_line_pass(
        content, progress,
        [](long n, const LineSource& lines, std::string& out, PassProgress& p) {
            if (!divisible_by_three(n + 2))
                return;
            // Line number n + 1 has index n: the translation line.
            out.append(lines.line(n));
            out += "\r\n";
            p.set_position(n);
        },
        0.5);
}
