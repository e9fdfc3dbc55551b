#include "line_pass.h"

#include <cmath>

LineSource::LineSource(const std::string& content) {
    std::string_view rest(content);
    for (;;) {
        const size_t at = rest.find("\r\n");
        if (at == std::string_view::npos) {
            lines_.push_back(rest);
            break;
        }
        lines_.push_back(rest.substr(0, at));
        rest.remove_prefix(at + 2);
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
    accumulator.reserve(static_cast<size_t>(static_cast<double>(content.size()) * output_per_input) +
                        static_cast<size_t>(count) * 2 + 16);
    for (long n = 1; n <= count; ++n)
        step(n, lines, accumulator, progress);
    progress.set_position(0);
    return accumulator;
}

bool divisible_by_three(double value) { return std::fabs(std::fmod(value, 3.0)) <= 1e-7; }
