#include "accelerator.h"

#include <gtest/gtest.h>

namespace {

struct AcceleratorCase {
    std::string name;
    std::string line;
    std::string expected;
};

class RewriteAccelerator : public ::testing::TestWithParam<AcceleratorCase> {};

} // namespace

TEST_P(RewriteAccelerator, moves_the_marker_behind_the_last_letter) {
    EXPECT_EQ(rewrite_accelerator(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RewriteAccelerator,
    ::testing::Values(
        AcceleratorCase{"file", "&File", "File(&F)"},
        AcceleratorCase{"dots", "&Open...", "Open(&O)..."},
        AcceleratorCase{"colon", "IDM_SAVE=Save &As:", "IDM_SAVE=Save As(&A):"},
        AcceleratorCase{"digit_marker", "Zoom &100%", "Zoom(&1)&100%"},
        AcceleratorCase{"no_marker", "OK", "OK"},
        AcceleratorCase{"keeps_case", "E&xit", "Exit(&x)"},
        AcceleratorCase{"ends_in_letter", "&Print...\tCtrl+P", "Print...\tCtrl+P(&P)"},
        AcceleratorCase{"double_ampersand", "Tom && Jerry", "Tom  Jerry(&&)"},
        AcceleratorCase{"ampersand_at_end", "Fish&", "Fish(&)"},
        AcceleratorCase{"key_takes_part", "A&B=Open", "AB=Open(&B)"},
        AcceleratorCase{"value_without_letter", "IDS_ZOOM=&100%", "IDS_ZOOM(&1)&100%"},
        AcceleratorCase{"already_rewritten", "IDS_FILE=\xCE\xC4\xBC\xFE(&F)",
                        "IDS_FILE=\xCE\xC4\xBC\xFE(F(&F))"},
        AcceleratorCase{"marker_before_double_byte",
                        "&\xCE\xC4"
                        "File",
                        "\xCE\xC4"
                        "File(&\xCE)"},
        AcceleratorCase{"chinese_tail_is_cut_bytewise", "&Close\xBC\xFE...",
                        "Close(&C)\xBC\xFE..."},
        AcceleratorCase{"second_byte_counts_as_letter", "&Close\xEA\x50...",
                        "Close\xEA\x50(&C)..."},
        AcceleratorCase{"digit_only", "&1", "&1"}, AcceleratorCase{"dots_only", "&...", "&..."},
        AcceleratorCase{"ampersand_alone", "&", "&"},
        AcceleratorCase{"chinese_only", "\xCE\xC4&\xBC\xFE", "\xCE\xC4&\xBC\xFE"},
        AcceleratorCase{"empty", "", ""}),
    [](const auto& info) { return info.param.name; });

TEST(AcceleratorPass, every_line_ends_in_cr_lf) {
    NoProgress progress;
    EXPECT_EQ(accelerator_pass("&File\r\nOK\r\n", progress), "File(&F)\r\nOK\r\n\r\n");
    EXPECT_EQ(accelerator_pass("", progress), "");
}
