#include "accelerator.h"

#include "text_operations.h"

std::string rewrite_accelerator(const std::string& line) {
    const long marker_position = find_text(line, "&");
    if (marker_position == -1)
        return line;
    const std::string marker = text_mid(line, marker_position, 2);
    std::string working = replace_text(line, "&", "", true);

    long stripped_count = 0;
    while (!working.empty() && !is_ascii_letter(text_right(working, 1))) {
        ++stripped_count;
        working.pop_back();
    }
    // Nothing left to put the marker behind: keep the line as the translator wrote it.
    if (working.empty())
        return line;

    // The trailing part comes from the line as read, ampersands included.
    return working + "(" + marker + ")" + text_right(line, stripped_count);
}

std::string accelerator_pass(const std::string& content, PassProgress& progress) {
    return run_line_pass(content, progress,
                         [](long n, const LineSource& lines, std::string& out, PassProgress& p) {
                             out += rewrite_accelerator(std::string(lines.line(n - 1)));
                             out += "\r\n";
                             p.set_position(n);
                         });
}
