#include "dictionary_files.h"
#include "translation_pass.h"

namespace {

struct PassCase {
    const char* name;
    std::vector<DictionaryEntry> records;
    std::string content;
    std::string result;
};

void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class AutoTranslate : public ::testing::TestWithParam<PassCase> {};

DictionaryIndex index_of(const std::vector<DictionaryEntry>& records) {
    DictionaryIndex index;
    for (const DictionaryEntry& record : records)
        index.add(record.english, record.chinese);
    return index;
}

const std::vector<DictionaryEntry> common_terms{{"open file", gbk("打开文件")},
                                                {"save as", gbk("另存为")},
                                                {"print", gbk("打印")},
                                                {"open", gbk("打开")},
                                                {"none)", gbk("无")}};

} // namespace

TEST_P(AutoTranslate, gives_the_translated_content) {
    NoProgress progress;
    EXPECT_EQ(auto_translate(GetParam().content, index_of(GetParam().records), progress),
              GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, AutoTranslate,
    ::testing::Values(
        PassCase{"three_line_group", common_terms,
                 "IDS_OPEN=&Open File...\r\nIDS_OPEN=&Open File...\r\n",
                 "IDS_OPEN=&Open File...\r\nIDS_OPEN=&" + gbk("打开文件") + "...\r\n\r\n"},
        PassCase{"only_translation_lines_change", common_terms,
                 "A=Open\r\nB=Open\r\nC=Open\r\nD=Open\r\nE=Open\r\nF=Open\r\nG=Open",
                 "A=Open\r\nB=" + gbk("打开") + "\r\nC=Open\r\nD=Open\r\nE=" + gbk("打开") +
                     "\r\nF=Open\r\nG=Open\r\n"},
        PassCase{"translation_line_without_equals_copied", common_terms, "x\r\nOpen File\r\n",
                 "x\r\nOpen File\r\n\r\n"},
        PassCase{"spaces_around_equals_stay", common_terms, "s\r\nCaption = Save As",
                 "s\r\nCaption = " + gbk("另存为") + "\r\n"},
        PassCase{"key_untouched", common_terms, "s\r\nOpen=Open",
                 "s\r\nOpen=" + gbk("打开") + "\r\n"},
        PassCase{"every_occurrence_in_any_case", common_terms, "s\r\nK=Print, print preview",
                 "s\r\nK=" + gbk("打印") + ", " + gbk("打印") + " preview\r\n"},
        PassCase{"unknown_term_replaces_itself", common_terms, "s\r\nK=Text, text",
                 "s\r\nK=Text, Text\r\n"},
        PassCase{"only_first_equals_splits", {{"b=c", "X"}}, "s\r\nA=B=C\r\n", "s\r\nA=X\r\n\r\n"},
        PassCase{"empty_value_stays_empty", {{"", "X"}}, "s\r\nK=\r\n", "s\r\nK=\r\n\r\n"},
        PassCase{"empty_translation_keeps_the_term",
                 {{"open", ""}, {"open", gbk("打开")}},
                 "s\r\nK=open",
                 "s\r\nK=open\r\n"},
        PassCase{"term_with_last_byte_kept", common_terms, "s\r\nK=(None)",
                 "s\r\nK=(" + gbk("无") + "\r\n"},
        PassCase{"one_line_gets_its_line_end", common_terms, "a", "a\r\n"},
        PassCase{"content_ending_in_cr_lf_gets_one_more", common_terms, "a\r\n", "a\r\n\r\n"},
        PassCase{"lone_cr_and_lf_stay_inside_lines", common_terms, "s\nt\r\nK=Open\rx",
                 "s\nt\r\nK=" + gbk("打开") + "\rx\r\n"},
        PassCase{"gbk_key_and_value_pass_through", common_terms, gbk("源\r\n键=打开文件"),
                 gbk("源\r\n键=打开文件\r\n")},
        PassCase{"empty_content_stays_empty", common_terms, "", ""}),
    [](const ::testing::TestParamInfo<PassCase>& info) { return info.param.name; });

namespace {

class RecordedProgress : public PassProgress {
public:
    void set_maximum(long maximum) override { calls.push_back("max " + std::to_string(maximum)); }
    void set_position(long position) override { calls.push_back("at " + std::to_string(position)); }
    std::vector<std::string> calls;
};

} // namespace

TEST(AutoTranslateProgress, counts_every_line_and_ends_at_zero) {
    RecordedProgress progress;
    auto_translate("a\r\nb=Open\r\n", index_of(common_terms), progress);
    EXPECT_EQ(progress.calls, (std::vector<std::string>{"max 3", "at 1", "at 2", "at 3", "at 0"}));
}

TEST(AutoTranslateProgress, empty_content_reports_nothing) {
    RecordedProgress progress;
    EXPECT_EQ(auto_translate("", index_of(common_terms), progress), "");
    EXPECT_TRUE(progress.calls.empty());
}

class AutoTranslateFromFile : public TemporaryDirectory {};

TEST_F(AutoTranslateFromFile, dictionary_file_drives_the_pass) {
    const std::string file = dictionary_file(
        "default.edb", {{"exit", gbk("退出")}, {"exit", gbk("离开")}, {"help", ""}});
    EXPECT_EQ(default_dictionary_path(dir), file);
    DictionaryIndex index;
    std::string error;
    ASSERT_EQ(load_dictionary_index(default_dictionary_path(dir), index, error),
              DictionaryLoad::loaded)
        << error;
    NoProgress progress;
    EXPECT_EQ(auto_translate("a\r\nX=Exit\r\n\r\nb\r\nY=Help\r\n", index, progress),
              "a\r\nX=" + gbk("退出") + "\r\n\r\nb\r\nY=Help\r\n\r\n");
}
