#include "term_extraction.h"

#include <gtest/gtest.h>

namespace {

struct TermCase {
    const char* name;
    std::string line;
    std::string term;
};

void PrintTo(const TermCase& c, std::ostream* out) {
    *out << c.name;
}

class ExtractTerm : public ::testing::TestWithParam<TermCase> {};

} // namespace

TEST_P(ExtractTerm, yields_the_term) {
    EXPECT_EQ(extract_term(GetParam().line), GetParam().term);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ExtractTerm,
    ::testing::Values(TermCase{"two_bytes_taken_whole", "K=OK", "OK"},
                      TermCase{"three_bytes_taken_whole", "K=...", "..."},
                      TermCase{"marker_dropped_run_ends_at_dot", "K=&Open File...", "Open File"},
                      TermCase{"run_covers_everything", "K=Save As", "Save As"},
                      TermCase{"run_ends_before_colon", "K=Error: %s", "Error"},
                      TermCase{"colon_as_last_byte_stays", "K=Error:", "Error:"},
                      TermCase{"leading_space_dropped", "K= Open", "Open"},
                      TermCase{"trailing_space_kept", "K=Open ", "Open "},
                      TermCase{"space_before_marker_kept", "K=Select &All", "Select "},
                      TermCase{"marker_inside_word_ends_run", "K=E&xit", "E"},
                      TermCase{"closing_parenthesis_as_last_byte_stays", "K=(None)", "None)"},
                      TermCase{"percent_dropped", "K=%d files", "d files"},
                      TermCase{"digits_stripped_to_two_bytes", "K=12345", "45"},
                      TermCase{"strip_stops_at_two_bytes", "K=...a", ".a"},
                      TermCase{"gbk_stripped_to_last_character",
                               "K=\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE", "\xBC\xFE"},
                      TermCase{"gbk_trail_byte_counts_as_letter", "K=\xEA\x50\xE9\x5D", "P"},
                      TermCase{"empty_value", "IDS_EMPTY=", ""},
                      TermCase{"only_first_equals_splits", "A=B=C", "B=C"},
                      TermCase{"no_equals_yields_the_line", "Open File", "Open File"},
                      TermCase{"equals_stripped_from_longer_value", "A==abc", "abc"},
                      TermCase{"four_letters_taken_whole", "K=abcd", "abcd"},
                      TermCase{"tab_is_no_space", "K=Open\tFile", "Open"},
                      TermCase{"key_spaces_stay_out", "Caption = Save As", "Save As"},
                      TermCase{"strip_then_run_to_the_end", "K=..ab", "ab"},
                      TermCase{"one_letter_run", "K=a.bc", "a"},
                      TermCase{"line_may_hold_cr", "K=Open\r", "Open\r"}),
    [](const ::testing::TestParamInfo<TermCase>& info) { return info.param.name; });
