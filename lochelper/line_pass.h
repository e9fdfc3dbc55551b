#pragma once
// The frame that every line pass shares. Content is GBK bytes whose lines are
// separated by CR LF; a lone CR or LF is an ordinary byte inside a line, and a
// content that ends in CR LF has an empty last line. Each pass reads the line count
// once, walks the lines in order, and builds its output in an accumulator in which
// every output line is followed by CR LF.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where a pass reports its progress: the window's progress bar, or nothing.
class PassProgress {
public:
    virtual ~PassProgress() = default;
    virtual void set_maximum(long maximum) = 0;
    virtual void set_position(long position) = 0;
};

class NoProgress : public PassProgress {
public:
    void set_maximum(long) override {}
    void set_position(long) override {}
};

// The lines of a content, split on CR LF only.
class LineSource {
public:
    explicit LineSource(const std::string& content);
    long count() const { return static_cast<long>(lines_.size()); }
    // The line at a 0-based index, without its CR LF; the empty text past the end.
    std::string_view line(long index) const;

private:
    std::vector<std::string_view> lines_;
};

// Handles line number n (1-based): appends its output to the accumulator and sets
// the progress position when the pass says so.
using LineStep = std::function<void(long n, const LineSource& lines, std::string& accumulator,
                                    PassProgress& progress)>;

// Runs a pass over a non-empty content: maximum = line count, one step per line,
// position back to 0 at the end. An empty content gives the empty text and leaves
// the progress untouched; callers end there without changing anything.
// output_per_input is the pass's expected output size per input byte, so the
// accumulator grows once instead of many times on a large file.
std::string run_line_pass(const std::string& content, PassProgress& progress, const LineStep& step,
                          double output_per_input = 1.1);

// Whether a line-number expression leaves no remainder on division by 3. Line
// numbers are whole, so the remainder in double precision (with |r| <= 1e-7 taken
// as zero) is exactly the integer remainder, which costs a fraction of fmod.
inline bool divisible_by_three(long value) {
    return value % 3 == 0;
}
