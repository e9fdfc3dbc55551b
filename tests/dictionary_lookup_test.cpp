#include "dictionary_files.h"
#include "dictionary_lookup.h"
#include "text_operations.h"
#include "translation_pass.h"

namespace {

DictionaryIndex index_of(const std::vector<DictionaryEntry>& records) {
    DictionaryIndex index;
    for (const DictionaryEntry& record : records)
        index.add(record.english, record.chinese);
    return index;
}

struct LookupCase {
    const char* name;
    std::vector<DictionaryEntry> records;
    std::string term;
    std::string translation;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << c.name;
}

class LookupTranslation : public ::testing::TestWithParam<LookupCase> {};

} // namespace

TEST_P(LookupTranslation, yields_the_first_match_or_the_term) {
    EXPECT_EQ(lookup_translation(GetParam().term, index_of(GetParam().records)),
              GetParam().translation);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupTranslation,
    ::testing::Values(
        LookupCase{
            "title_case_term", {{"open file", gbk("打开文件")}}, "Open File", gbk("打开文件")},
        LookupCase{
            "upper_case_term", {{"open file", gbk("打开文件")}}, "OPEN FILE", gbk("打开文件")},
        LookupCase{
            "lower_case_term", {{"open file", gbk("打开文件")}}, "open file", gbk("打开文件")},
        LookupCase{"stored_key_is_not_folded", {{"Open", gbk("打开")}}, "Open", "Open"},
        LookupCase{"trailing_space_matters", {{"open", gbk("打开")}}, "Open ", "Open "},
        LookupCase{"first_match_empty_wins", {{"save", ""}, {"save", gbk("保存")}}, "Save", "Save"},
        LookupCase{"first_match_wins",
                   {{"save", gbk("保存")}, {"save", gbk("存储")}},
                   "Save",
                   gbk("保存")},
        LookupCase{"empty_table", {}, "Save", "Save"},
        LookupCase{"no_match_keeps_case", {{"open", gbk("打开")}}, "SaVe", "SaVe"},
        LookupCase{"empty_key_matches_empty_english", {{"", gbk("空")}}, "", gbk("空")},
        // Lower-casing works byte by byte, so a GBK trail byte in A-Z folds too.
        LookupCase{"gbk_trail_byte_folds_like_a_letter",
                   {{"\xEA\x70", gbk("小")}},
                   "\xEA\x50",
                   gbk("小")}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return info.param.name; });

TEST(DictionaryIndex, keeps_the_first_record_of_each_term_as_it_grows) {
    DictionaryIndex index;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 5000; ++i)
            index.add("term " + std::to_string(i), std::to_string(round) + ":" + std::to_string(i));
    EXPECT_EQ(index.size(), 5000u);
    for (int i = 0; i < 5000; ++i) {
        const std::string* chinese = index.find("term " + std::to_string(i));
        ASSERT_NE(chinese, nullptr) << i;
        EXPECT_EQ(*chinese, "0:" + std::to_string(i));
    }
    EXPECT_EQ(index.find("term 5000"), nullptr);
    EXPECT_EQ(index.find(""), nullptr);
    EXPECT_EQ(DictionaryIndex().find("term 1"), nullptr);
}

// The lookup exactly as the table would give it: scan from the first record on
// every call, first match decides.
std::string scanned_translation(DictionaryTable& table, const std::string& term) {
    const long count = table.record_count();
    table.go_first();
    const std::string key = to_lower(term);
    std::string chinese;
    for (long n = 0; n < count; ++n) {
        if (table.read_field(english_field).value() == key) {
            chinese = table.read_field(chinese_field).value();
            break;
        }
        table.skip_record();
    }
    return chinese.empty() ? term : chinese;
}

class DictionaryIndexFile : public TemporaryDirectory {};

TEST_F(DictionaryIndexFile, loaded_index_agrees_with_a_scan_of_the_table) {
    std::vector<DictionaryEntry> records;
    const char* words[] = {"open", "Open", "open ", "save", "", "exit", "save as", "print"};
    for (int i = 0; i < 64; ++i)
        records.push_back({words[(i * 5) % 8], i % 3 == 0 ? "" : "zh" + std::to_string(i)});
    const std::string file = dictionary_file("default.edb", records);

    DictionaryIndex index;
    std::string error;
    ASSERT_EQ(load_dictionary_index(file, index, error), DictionaryLoad::loaded) << error;
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    for (const char* term :
         {"Open", "OPEN ", "open", "Save", "", "Exit", "SAVE AS", "Print", "absent", "Save As"})
        EXPECT_EQ(lookup_translation(term, index), scanned_translation(table, term)) << term;
}

TEST_F(DictionaryIndexFile, missing_file_is_told_apart_from_an_unusable_one) {
    DictionaryIndex index = index_of({{"left", "over"}});
    std::string error;
    EXPECT_EQ(load_dictionary_index(path("default.edb"), index, error), DictionaryLoad::missing);
    EXPECT_EQ(index.size(), 0u);

    const std::string file = sqlite_file("default.edb", "CREATE TABLE other (a)");
    index = index_of({{"left", "over"}});
    EXPECT_EQ(load_dictionary_index(file, index, error), DictionaryLoad::unusable);
    EXPECT_NE(error.find(file + ": "), std::string::npos) << error;
    EXPECT_EQ(index.size(), 0u);
}

TEST(MissingDictionaryMessage, is_the_text_users_know) {
    EXPECT_STREQ(missing_dictionary_message, "没找到数据库，请下载数据库。");
}
