#include "line_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingProgress : PassProgress {
    std::vector<long> maxima;
    std::vector<long> positions;
    void set_maximum(long m) override { maxima.push_back(m); }
    void set_position(long p) override { positions.push_back(p); }
};

struct LayoutCase {
    std::string name;
    std::string input;
    std::string expected;
};

std::string case_name(const ::testing::TestParamInfo<LayoutCase>& info) {
    return info.param.name;
}

class ThreeLines : public ::testing::TestWithParam<LayoutCase> {};
class SingleLines : public ::testing::TestWithParam<LayoutCase> {};

} // namespace

TEST_P(ThreeLines, writes_each_line_twice_and_a_separator) {
    NoProgress progress;
    EXPECT_EQ(three_line_pass(GetParam().input, progress), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThreeLines,
    ::testing::Values(LayoutCase{"one_line", "a=1", "a=1\r\na=1\r\n\r\n"},
                      LayoutCase{"empty_line_inside", "a=1\r\n\r\nb=2",
                                 "a=1\r\na=1\r\n\r\n\r\n\r\n\r\nb=2\r\nb=2\r\n\r\n"},
                      LayoutCase{"trailing_cr_lf", "a=1\r\n", "a=1\r\na=1\r\n\r\n\r\n\r\n\r\n"},
                      LayoutCase{"section_header", "[Menu]", "[Menu]\r\n[Menu]\r\n\r\n"},
                      LayoutCase{"lone_cr_and_lf_stay_inside_the_line", "a\rb\nc",
                                 "a\rb\nc\r\na\rb\nc\r\n\r\n"},
                      LayoutCase{"gbk_bytes", "\xB4\xF2\xBF\xAA",
                                 "\xB4\xF2\xBF\xAA\r\n\xB4\xF2\xBF\xAA\r\n\r\n"}),
    case_name);

TEST_P(SingleLines, keeps_the_translation_lines) {
    NoProgress progress;
    EXPECT_EQ(single_line_pass(GetParam().input, progress), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleLines,
    ::testing::Values(LayoutCase{"five_lines", "a\r\nb\r\nc\r\nd\r\ne", "b\r\ne\r\n"},
                      LayoutCase{"three_lines", "x\r\ny\r\nz", "y\r\n"},
                      LayoutCase{"two_lines", "s\r\nt", "t\r\n"},
                      LayoutCase{"one_line_reads_past_the_end", "s", "\r\n"},
                      LayoutCase{"after_three_line_layout", "a=1\r\nb=1\r\n\r\nc=2\r\nd=2\r\n\r\n",
                                 "b=1\r\nd=2\r\n\r\n"}),
    case_name);

TEST(LineLayout, empty_content_changes_nothing_and_touches_no_progress) {
    RecordingProgress progress;
    EXPECT_EQ(three_line_pass("", progress), "");
    EXPECT_EQ(single_line_pass("", progress), "");
    EXPECT_TRUE(progress.maxima.empty());
    EXPECT_TRUE(progress.positions.empty());
}

TEST(LineLayout, three_then_single_gives_back_the_lines) {
    NoProgress progress;
    const std::string original = "IDS_A=Open\r\n\r\n[Menu]\r\nIDS_B=\xB4\xF2\xBF\xAA";
    // Every output line ends in CR LF, plus the empty line read past the end.
    EXPECT_EQ(single_line_pass(three_line_pass(original, progress), progress),
              original + "\r\n\r\n");
}

TEST(LineLayout, progress_runs_over_the_lines_and_ends_at_zero) {
    RecordingProgress three;
    three_line_pass("a\r\nb\r\nc", three);
    EXPECT_EQ(three.maxima, (std::vector<long>{3}));
    EXPECT_EQ(three.positions, (std::vector<long>{1, 2, 3, 0}));

    RecordingProgress single;
    single_line_pass("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng", single);
    EXPECT_EQ(single.maxima, (std::vector<long>{7}));
    EXPECT_EQ(single.positions, (std::vector<long>{1, 4, 7, 0}));
}
