#include "dictionary_files.h"

#include "file_operations.h"

#include <sys/stat.h>

namespace {

std::string english_at(DictionaryTable& table) {
    return table.read_field(english_field).value();
}

// Every record, walked with the record operations.
std::vector<DictionaryEntry> walk(DictionaryTable& table) {
    std::vector<DictionaryEntry> records;
    table.go_first();
    for (long n = table.record_count(); n > 0; --n) {
        records.push_back({table.read_field(1).value(), table.read_field(2).value()});
        table.skip_record();
    }
    return records;
}

std::vector<DictionaryEntry> loaded(const std::string& path) {
    std::vector<DictionaryEntry> entries;
    std::string error;
    EXPECT_TRUE(load_dictionary(path, entries, &error)) << error;
    return entries;
}

} // namespace

bool operator==(const DictionaryEntry& a, const DictionaryEntry& b) {
    return a.english == b.english && a.chinese == b.chinese;
}

std::ostream& operator<<(std::ostream& out, const DictionaryEntry& entry) {
    return out << '{' << entry.english << ", " << entry.chinese << '}';
}

// ---- Files that are no dictionary ----

struct UnusableFile {
    const char* name;
    // SQL run on a new SQLite file, or nullptr for the raw bytes below.
    const char* sql;
    const char* bytes;
    const char* reason;
};

void PrintTo(const UnusableFile& file, std::ostream* out) {
    *out << file.name;
}

class UnusableDictionary : public TemporaryDirectory,
                           public ::testing::WithParamInterface<UnusableFile> {
protected:
    std::string make() {
        const UnusableFile& file = GetParam();
        if (file.sql)
            return sqlite_file("default.edb", file.sql);
        const std::string target = path("default.edb");
        if (file.bytes) {
            EXPECT_TRUE(write_file(target, file.bytes));
        }
        return target;
    }
};

TEST_P(UnusableDictionary, open_fails_with_the_path_and_reason) {
    const std::string file = make();
    DictionaryTable table;
    EXPECT_FALSE(table.table_open(file));
    EXPECT_FALSE(table.is_open());
    EXPECT_NE(table.error().find(file + ": "), std::string::npos) << table.error();
    EXPECT_NE(table.error().find(GetParam().reason), std::string::npos) << table.error();

    std::vector<DictionaryEntry> entries{{"kept", "x"}};
    std::string error;
    EXPECT_FALSE(load_dictionary(file, entries, &error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_EQ(entries.size(), 1u);
}

TEST_P(UnusableDictionary, operations_after_a_failed_open_do_nothing) {
    const std::string file = make();
    const std::string before = read_text_file(file);
    DictionaryTable table;
    table.table_open(file);
    EXPECT_EQ(table.record_count(), 0);
    EXPECT_EQ(table.field_count(), 0);
    table.go_first();
    table.skip_record();
    EXPECT_FALSE(table.read_field(english_field));
    EXPECT_FALSE(table.read_field(2));
    EXPECT_FALSE(table.remove_all());
    EXPECT_FALSE(table.append_record({"a", "b"}));
    EXPECT_FALSE(table.ordered_copy(path("copy.edb"), english_field));
    EXPECT_FALSE(file_exists(path("copy.edb")));
    table.table_close();
    EXPECT_EQ(read_text_file(file), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnusableDictionary,
    ::testing::Values(
        UnusableFile{"missing", nullptr, nullptr, "文件不存在"},
        UnusableFile{"text_file", nullptr, "[dictionary]\r\nopen=打开\r\n", "不是 SQLite 数据库"},
        UnusableFile{"foreign_application",
                     "PRAGMA application_id = 1234; CREATE TABLE dictionary (\"英文\", \"中文\")",
                     nullptr, "其他程序的数据库"},
        UnusableFile{"no_table", "CREATE TABLE words (en TEXT, zh TEXT)", nullptr,
                     "缺少表 dictionary"},
        UnusableFile{"empty_file", nullptr, "", "缺少表 dictionary"},
        UnusableFile{"no_chinese_field", "CREATE TABLE dictionary (\"英文\" TEXT, zh TEXT)",
                     nullptr, "缺少字段“中文”"},
        UnusableFile{"no_english_field", "CREATE TABLE dictionary (en TEXT, \"中文\" TEXT)",
                     nullptr, "缺少字段“英文”"},
        UnusableFile{"without_rowid",
                     "CREATE TABLE dictionary (\"英文\" TEXT PRIMARY KEY, \"中文\" TEXT) "
                     "WITHOUT ROWID",
                     nullptr, "没有行号(rowid)"}),
    [](const ::testing::TestParamInfo<UnusableFile>& info) { return info.param.name; });

class DictionaryTableFile : public TemporaryDirectory {};

TEST_F(DictionaryTableFile, a_directory_is_no_dictionary) {
    DictionaryTable table;
    EXPECT_FALSE(table.table_open(dir));
    EXPECT_NE(table.error().find(dir + ": "), std::string::npos) << table.error();
}

TEST_F(DictionaryTableFile, damaged_pages_fail_the_read_instead_of_yielding_part) {
    std::vector<DictionaryEntry> entries;
    for (int i = 0; i < 2000; ++i)
        entries.push_back({"term " + std::to_string(i), gbk("术语")});
    const std::string file = dictionary_file("default.edb", entries);
    std::string bytes = read_text_file(file);
    ASSERT_GT(bytes.size(), 16384u);
    for (size_t i = 4096; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(0xA5);
    ASSERT_TRUE(write_file(file, bytes));

    std::string error;
    std::vector<DictionaryEntry> read;
    EXPECT_FALSE(load_dictionary(file, read, &error));
    EXPECT_NE(error.find("损坏"), std::string::npos) << error;
}

TEST_F(DictionaryTableFile, a_locked_dictionary_fails_with_that_reason) {
    const std::string file = dictionary_file("default.edb", {{"open", gbk("打开")}});
    SqliteDatabase writer;
    ASSERT_TRUE(writer.open(file, SqliteDatabase::Mode::read_write));
    ASSERT_TRUE(writer.execute("BEGIN EXCLUSIVE; DELETE FROM dictionary"));

    DictionaryTable table;
    EXPECT_FALSE(table.table_open(file));
    EXPECT_NE(table.error().find("锁定"), std::string::npos) << table.error();
    writer.execute("ROLLBACK");
    EXPECT_TRUE(table.table_open(file)) << table.error();
    EXPECT_EQ(table.record_count(), 1);
}

TEST_F(DictionaryTableFile, a_dictionary_made_by_hand_is_read_by_field_name) {
    // No application_id, an extra column, and the fields in the other order.
    const std::string file = sqlite_file(
        "hand.edb", "CREATE TABLE dictionary (note, \"中文\", \"英文\");"
                    "INSERT INTO dictionary VALUES ('n', '打开', 'open'), (NULL, NULL, 'exit')");
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file)) << table.error();
    EXPECT_EQ(table.field_count(), 2);
    EXPECT_EQ(walk(table), (std::vector<DictionaryEntry>{{"open", gbk("打开")}, {"exit", ""}}));
    ASSERT_TRUE(table.append_record({"help", gbk("帮助")}));
    EXPECT_EQ(loaded(file).back(), (DictionaryEntry{"help", gbk("帮助")}));
}

TEST_F(DictionaryTableFile, new_files_carry_our_mark_and_utf8_any_tool_reads) {
    const std::string file = dictionary_file("default.edb", {{"open", gbk("打开")}});
    SqliteDatabase database;
    ASSERT_TRUE(database.open(file, SqliteDatabase::Mode::read_write));
    SqliteStatement mark(database, "PRAGMA application_id");
    ASSERT_EQ(mark.step(), SqliteStatement::Step::row);
    EXPECT_EQ(mark.column_int64(0), dictionary_application_id);
    SqliteStatement row(database, "SELECT \"英文\", \"中文\" FROM dictionary");
    ASSERT_EQ(row.step(), SqliteStatement::Step::row);
    EXPECT_EQ(row.column_text(0), "open");
    EXPECT_EQ(row.column_text(1), "打开");
}

// ---- Values that are no text ----

struct StoredValue {
    const char* name;
    const char* english_sql;
    const char* chinese_sql;
    const char* reason; // empty when the value reads
};

void PrintTo(const StoredValue& value, std::ostream* out) {
    *out << value.name;
}

class StoredValues : public TemporaryDirectory,
                     public ::testing::WithParamInterface<StoredValue> {};

TEST_P(StoredValues, only_text_and_null_read) {
    const StoredValue& value = GetParam();
    const std::string file =
        sqlite_file("default.edb", std::string("CREATE TABLE dictionary (\"英文\", \"中文\");"
                                               "INSERT INTO dictionary VALUES ('ok', 'fine'), (") +
                                       value.english_sql + ", " + value.chinese_sql + ")");
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file)) << table.error();
    table.go_first();
    table.skip_record();
    const bool reads = std::string(value.reason).empty();
    EXPECT_EQ(table.read_field(english_field).has_value() &&
                  table.read_field(chinese_field).has_value(),
              reads);
    std::vector<DictionaryEntry> entries;
    std::string error;
    EXPECT_EQ(load_dictionary(file, entries, &error), reads);
    if (!reads) {
        EXPECT_NE(table.error().find(value.reason), std::string::npos) << table.error();
        EXPECT_NE(error.find(value.reason), std::string::npos) << error;
        EXPECT_FALSE(table.ordered_copy(path("copy.edb"), english_field));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoredValues,
    ::testing::Values(
        StoredValue{"text", "'a'", "'b'", ""}, StoredValue{"null", "NULL", "NULL", ""},
        StoredValue{"integer", "42", "'b'", "第 2 条记录的“英文”字段不是文本，而是整数"},
        StoredValue{"real", "'a'", "2.5", "第 2 条记录的“中文”字段不是文本，而是小数"},
        StoredValue{"blob", "x'00ff'", "'b'", "不是文本，而是二进制数据"}),
    [](const ::testing::TestParamInfo<StoredValue>& info) { return info.param.name; });

TEST_F(DictionaryTableFile, null_reads_as_the_empty_text) {
    const std::string file = sqlite_file(
        "default.edb",
        "CREATE TABLE dictionary (\"英文\" TEXT, \"中文\" TEXT); INSERT INTO dictionary VALUES "
        "(NULL, NULL)");
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    table.go_first();
    EXPECT_EQ(table.read_field(english_field), "");
    EXPECT_EQ(table.read_field(chinese_field), "");
}

// ---- Records ----

TEST_F(DictionaryTableFile, remove_all_then_append_gives_exactly_the_new_records) {
    const std::string file =
        dictionary_file("default.edb", {{"old", "1"}, {"older", "2"}, {"oldest", "3"}});
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file)) << table.error();
    ASSERT_TRUE(table.remove_all());
    EXPECT_EQ(table.record_count(), 0);
    ASSERT_TRUE(table.append_record({"file", gbk("文件")}));
    ASSERT_TRUE(table.append_record({"edit", gbk("编辑")}));
    EXPECT_EQ(table.record_count(), 2);
    table.go_first();
    EXPECT_EQ(english_at(table), "file");
    table.table_close();
    EXPECT_EQ(loaded(file),
              (std::vector<DictionaryEntry>{{"file", gbk("文件")}, {"edit", gbk("编辑")}}));
}

TEST_F(DictionaryTableFile, read_by_name_agrees_with_read_by_position) {
    const std::string file =
        dictionary_file("default.edb", {{"open", gbk("打开")}, {"", "x"}, {"save", ""}});
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    table.go_first();
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(table.read_field(1), table.read_field(english_field));
        EXPECT_EQ(table.read_field(2), table.read_field(chinese_field));
        table.skip_record();
    }
}

TEST_F(DictionaryTableFile, walk_follows_table_order_and_ends_after_the_last_record) {
    const std::vector<DictionaryEntry> entries{{"b", "2"}, {"a", "1"}, {"c", "3"}};
    const std::string file = dictionary_file("default.edb", entries);
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    EXPECT_FALSE(table.read_field(1)) << "no current record before go_first";
    EXPECT_EQ(walk(table), entries);
    EXPECT_FALSE(table.read_field(1));
    table.skip_record();
    EXPECT_FALSE(table.read_field(1));
    table.go_first();
    EXPECT_EQ(english_at(table), "b");
}

TEST_F(DictionaryTableFile, unknown_fields_and_wrong_value_counts_are_refused) {
    const std::string file = dictionary_file("default.edb", {{"open", "x"}});
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    table.go_first();
    EXPECT_FALSE(table.read_field(3));
    EXPECT_FALSE(table.read_field(std::string("english")));
    EXPECT_NE(table.error().find("english"), std::string::npos);
    EXPECT_FALSE(table.append_record({"only one"}));
    EXPECT_EQ(table.record_count(), 1);
}

class RoundTrip : public TemporaryDirectory, public ::testing::WithParamInterface<std::string> {};

TEST_P(RoundTrip, appended_text_reads_back_byte_for_byte) {
    const std::string file = dictionary_file("default.edb", {});
    {
        DictionaryTable table;
        ASSERT_TRUE(table.table_open(file));
        ASSERT_TRUE(table.append_record({GetParam(), GetParam()}));
        table.go_first();
        EXPECT_EQ(table.read_field(english_field), GetParam());
        EXPECT_EQ(table.read_field(2), GetParam());
    }
    EXPECT_EQ(loaded(file), (std::vector<DictionaryEntry>{{GetParam(), GetParam()}}));
}

INSTANTIATE_TEST_SUITE_P(Texts, RoundTrip,
                         ::testing::Values(std::string(), std::string("open file"), gbk("打开文件"),
                                           std::string("\x81"), std::string("a\xFF\x80z"),
                                           std::string("\xB4\xF2\x30"),
                                           std::string("tab\tand\r\nline")));

// ---- Ordered copy ----

TEST_F(DictionaryTableFile, ordered_copy_sorts_bytes_unsigned_and_keeps_ties_in_table_order) {
    const std::string file = dictionary_file(
        "default.edb",
        {{"b", "1"}, {gbk("啊"), "2"}, {"a", "3"}, {"b", "4"}, {"B", "5"}, {"", "6"}, {"b", "7"}});
    const std::string copy = path(gbk("临时.edb"));
    ASSERT_TRUE(write_file(copy, "an older file that must go"));
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    ASSERT_TRUE(table.ordered_copy(copy, english_field)) << table.error();
    EXPECT_EQ(loaded(copy), (std::vector<DictionaryEntry>{{"", "6"},
                                                          {"B", "5"},
                                                          {"a", "3"},
                                                          {"b", "1"},
                                                          {"b", "4"},
                                                          {"b", "7"},
                                                          {gbk("啊"), "2"}}));
    EXPECT_FALSE(file_exists(copy + ".partial"));
    EXPECT_EQ(walk(table).size(), 7u) << "the open table is left as it was";
}

TEST_F(DictionaryTableFile, ordered_copy_by_chinese) {
    const std::string file =
        dictionary_file("default.edb", {{"x", "c"}, {"y", "a"}, {"z", "b"}, {"w", "a"}});
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    ASSERT_TRUE(table.ordered_copy(path("copy.edb"), chinese_field));
    EXPECT_EQ(loaded(path("copy.edb")),
              (std::vector<DictionaryEntry>{{"y", "a"}, {"w", "a"}, {"z", "b"}, {"x", "c"}}));
}

TEST_F(DictionaryTableFile, failed_ordered_copy_reports_why_and_leaves_nothing_behind) {
    const std::string file = dictionary_file("default.edb", {{"open", "x"}});
    DictionaryTable table;
    ASSERT_TRUE(table.table_open(file));
    // A directory cannot be replaced by a file, even by root.
    const std::string target = path("occupied");
    ASSERT_EQ(mkdir(target.c_str(), 0700), 0);
    EXPECT_FALSE(table.ordered_copy(target, english_field));
    EXPECT_NE(table.error().find(target), std::string::npos) << table.error();
    EXPECT_FALSE(file_exists(target + ".partial"));
    EXPECT_FALSE(table.ordered_copy(path("no-such-dir/copy.edb"), english_field));
    EXPECT_FALSE(table.ordered_copy(path("copy.edb"), "english"));
    EXPECT_FALSE(file_exists(path("copy.edb")));
}

// ---- Whole-file helpers ----

TEST_F(DictionaryTableFile, write_replaces_an_existing_file_and_ignores_a_stale_journal) {
    const std::string file = dictionary_file("default.edb", {{"old", "1"}});
    ASSERT_TRUE(write_file(file + "-journal", std::string(2048, '\x5A')));
    const std::vector<DictionaryEntry> entries{{"new", gbk("新建")}, {"new", ""}};
    dictionary_file("default.edb", entries);
    EXPECT_EQ(loaded(file), entries);
}

TEST_F(DictionaryTableFile, failed_write_reports_the_path_and_leaves_no_file) {
    const std::string blocker = path("plain-file");
    ASSERT_TRUE(write_file(blocker, "x"));
    std::string error;
    EXPECT_FALSE(write_dictionary_file(blocker + "/default.edb", {{"a", "b"}}, &error));
    EXPECT_NE(error.find(blocker), std::string::npos) << error;
}

TEST(SortByEnglish, is_stable_and_orders_bytes_unsigned) {
    std::vector<DictionaryEntry> entries{{"\xB0\xA1", "1"}, {"b", "2"}, {"a", "3"}, {"b", "4"}};
    sort_by_english(entries);
    EXPECT_EQ(entries, (std::vector<DictionaryEntry>{
                           {"a", "3"}, {"b", "2"}, {"b", "4"}, {"\xB0\xA1", "1"}}));
}
