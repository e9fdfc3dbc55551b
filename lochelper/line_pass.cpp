#include "line_pass.h"

#include <cstring>

LineSource::LineSource(const std::string& content) {
    lines_.reserve(content.size() / 32 + 1);
    const char* const end = content.data() + content.size();
    const char* start = content.data();
    const char* scan = start;
    for (;;) {
        const char* cr =
            static_cast<const char*>(std::memchr(scan, '\r', static_cast<size_t>(end - scan)));
        if (!cr) {
            lines_.emplace_back(start, static_cast<size_t>(end - start));
            break;
        }
        if (cr + 1 < end && cr[1] == '\n') {
            lines_.emplace_back(start, static_cast<size_t>(cr - start));
            start = cr + 2;
            scan = start;
        } else {
            scan = cr + 1; // a lone CR is an ordinary byte of the line
        }
    }
}

std::string_view LineSource::line(long index) const {
    if (index < 0 || index >= count())
        return {};
    return lines_[static_cast<size_t>(index)];
}

std::string run_line_pass(const std::string& content, PassProgress& progress, const LineStep& step,
                          double output_per_input) {
    if (content.empty())
        return {};
    const LineSource lines(content);
    const long count = lines.count();
    progress.set_maximum(count);
    std::string accumulator;
    accumulator.reserve(
        static_cast<size_t>(static_cast<double>(content.size()) * output_per_input) +
        static_cast<size_t>(count) * 2 + 16);
    for (long n = 1; n <= count; ++n)
        step(n, lines, accumulator, progress);
    progress.set_position(0);
    return accumulator;
}
