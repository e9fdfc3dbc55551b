#include "accelerator.h"

#include <algorithm>

namespace {

bool is_letter_byte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Appends the rewritten line. Works on views and one scratch buffer, since the pass
// runs over millions of lines.
void append_rewritten(std::string_view line, std::string& scratch, std::string& out) {
    const size_t marker_at = line.find('&');
    if (marker_at == std::string_view::npos) {
        out.append(line);
        return;
    }
    // Every "&" goes, not only the marker's.
    scratch.clear();
    for (const char c : line)
        if (c != '&')
            scratch += c;
    size_t kept = scratch.size();
    while (kept > 0 && !is_letter_byte(scratch[kept - 1]))
        --kept;
    // Nothing left to put the marker behind: keep the line as the translator wrote it.
    if (kept == 0) {
        out.append(line);
        return;
    }
    const size_t stripped_count = scratch.size() - kept;
    out.append(scratch, 0, kept);
    out += '(';
    out.append(line.substr(marker_at, 2));
    out += ')';
    // The trailing part comes from the line as read, ampersands included.
    out.append(line.substr(line.size() - std::min(stripped_count, line.size())));
}

} // namespace

std::string rewrite_accelerator(const std::string& line) {
    std::string scratch;
    std::string out;
    append_rewritten(line, scratch, out);
    return out;
}

std::string accelerator_pass(const std::string& content, PassProgress& progress) {
    std::string scratch;
    return run_line_pass(
        content, progress,
        [&scratch](long n, const LineSource& lines, std::string& out, PassProgress& p) {
            append_rewritten(lines.line(n - 1), scratch, out);
            out += "\r\n";
            p.set_position(n);
        });
}
