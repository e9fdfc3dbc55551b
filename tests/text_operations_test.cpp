#include "text_operations.h"

#include <gtest/gtest.h>

TEST(TextOperations, slicing_clamps_to_the_text) {
    EXPECT_EQ(text_left("abc", 5), "abc");
    EXPECT_EQ(text_left("abc", 0), "");
    EXPECT_EQ(text_left("abc", -1), "");
    EXPECT_EQ(text_left("abc", 2), "ab");
    EXPECT_EQ(text_right("abc", 0), "");
    EXPECT_EQ(text_right("abc", 2), "bc");
    EXPECT_EQ(text_right("abc", 9), "abc");
    EXPECT_EQ(text_mid("abc", 2, 2), "bc");
    EXPECT_EQ(text_mid("abc", 3, 5), "c");
    EXPECT_EQ(text_mid("abc", 4, 1), "");
    EXPECT_EQ(text_mid("", 1, 1), "");
    EXPECT_EQ(text_length("\xB4\xF2\xBF\xAA"), 4);
}

TEST(TextOperations, char_code_reads_the_first_byte_unsigned) {
    EXPECT_EQ(char_code(""), 0);
    EXPECT_EQ(char_code("A"), 65);
    EXPECT_EQ(char_code("\xFE"), 254);
}

TEST(TextOperations, find_text_is_one_based_and_case_significant) {
    EXPECT_EQ(find_text("", "="), -1);
    EXPECT_EQ(find_text("a=b=c", "="), 2);
    EXPECT_EQ(find_text("File", "f"), -1);
    EXPECT_EQ(find_text("&File", "&"), 1);
}

TEST(TextOperations, to_lower_touches_ascii_letters_only) {
    EXPECT_EQ(to_lower("File"), "file");
    EXPECT_EQ(to_lower("\xEA\x50Z"), "\xEA\x70z");
}

struct ReplaceCase {
    std::string text, sought, replacement;
    bool case_significant;
    std::string expected;
};

class ReplaceText : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceText, replaces_every_occurrence) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(replace_text(c.text, c.sought, c.replacement, c.case_significant), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceText,
    ::testing::Values(ReplaceCase{"&&a", "&", "", true, "a"},
                      ReplaceCase{"Print, print preview", "print", "X", false, "X, X preview"},
                      ReplaceCase{"Print, print", "print", "X", true, "Print, X"},
                      ReplaceCase{"Text, text", "Text", "Text", false, "Text, Text"},
                      ReplaceCase{"aaa", "aa", "b", true, "ba"},
                      ReplaceCase{"", "a", "b", true, ""},
                      ReplaceCase{"abc", "", "x", false, "abc"}));

TEST(TextOperations, numbers_round_trip_through_text) {
    EXPECT_EQ(to_text(12), "12");
    EXPECT_EQ(to_text(0), "0");
    EXPECT_EQ(to_text(-3), "-3");
    EXPECT_EQ(to_text(2.5), "2.5");
    EXPECT_EQ(to_text(100000), "100000");
    EXPECT_EQ(to_text(1000000), "1000000");
    EXPECT_EQ(to_number("7"), 7);
    EXPECT_EQ(to_number(" 8 "), 8);
    EXPECT_EQ(to_number("2.5"), 2.5);
    EXPECT_EQ(to_number("+4"), 4);
    EXPECT_EQ(to_number("abc"), 0);
    EXPECT_EQ(to_number("\xD0\xF2\xBA\xC5"), 0);
    EXPECT_EQ(to_number("12abc"), 0);
    EXPECT_EQ(to_number(""), 0);
    EXPECT_EQ(to_number("inf"), 0);
}

TEST(TextOperations, is_ascii_letter_looks_at_the_first_byte) {
    for (const char* yes : {"A", "Z", "a", "z", "Open"})
        EXPECT_TRUE(is_ascii_letter(yes)) << yes;
    for (const char* no : {"@", "[", "`", "{", "1", " ", "\xB4\xF2", ""})
        EXPECT_FALSE(is_ascii_letter(no)) << no;
}
