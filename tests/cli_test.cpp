// lochelper-cli as a user runs it: golden folders under data/cli, each holding
// args (the passes), input.lng, expected.txt and, for translate, dictionary.tsv.

#include "dictionary_table.h"
#include "file_operations.h"
#include "gbk_codec.h"
#include "process_runner.h"
#include "scratch_directory.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace {

const std::string cli = LOCHELPER_CLI;
const std::string golden_root = GOLDEN_DIR;

std::vector<std::string> golden_cases() {
    std::vector<std::string> names;
    if (DIR* dir = opendir(golden_root.c_str())) {
        while (dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                names.push_back(entry->d_name);
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> words_of(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// A dictionary file from "english<TAB>中文" lines in UTF-8.
void write_dictionary_from_tsv(const std::string& tsv_path, const std::string& path) {
    std::vector<DictionaryEntry> entries;
    std::istringstream lines(read_text_file(tsv_path));
    for (std::string line; std::getline(lines, line);) {
        const size_t tab = line.find('\t');
        entries.push_back(
            {gbk_from_utf8(line.substr(0, tab)), gbk_from_utf8(line.substr(tab + 1))});
    }
    ASSERT_TRUE(write_dictionary_file(path, entries));
}

class CliTest : public ::testing::Test {
protected:
    ProcessResult run(const std::vector<std::string>& arguments, const std::string& input = "") {
        return run_process(cli, arguments, input, dir);
    }
    ScratchDirectory scratch;
    const std::string dir = scratch.path();
};

class GoldenCase : public CliTest, public ::testing::WithParamInterface<std::string> {};

} // namespace

TEST_P(GoldenCase, output_matches_byte_for_byte) {
    const std::string folder = golden_root + "/" + GetParam();
    std::vector<std::string> arguments;
    if (file_exists(folder + "/dictionary.tsv")) {
        write_dictionary_from_tsv(folder + "/dictionary.tsv", dir + "/dictionary.edb");
        arguments = {"--dict", dir + "/dictionary.edb"};
    }
    for (const std::string& pass : words_of(read_text_file(folder + "/args")))
        arguments.push_back(pass);
    const std::string input = read_text_file(folder + "/input.lng");
    const std::string expected = read_text_file(folder + "/expected.txt");

    const ProcessResult piped = run(arguments, input);
    EXPECT_EQ(piped.exit_code, 0) << piped.err;
    EXPECT_EQ(piped.out, expected);

    arguments.insert(arguments.begin(),
                     {"--input", folder + "/input.lng", "--output", dir + "/out.txt"});
    const ProcessResult with_files = run(arguments);
    EXPECT_EQ(with_files.exit_code, 0) << with_files.err;
    EXPECT_EQ(with_files.out, "");
    EXPECT_EQ(read_text_file(dir + "/out.txt"), expected);
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, ::testing::ValuesIn(golden_cases()),
                         [](const auto& info) { return info.param; });

TEST_F(CliTest, help_prints_usage_in_english_and_chinese) {
    const ProcessResult result = run({"--help"});
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_NE(result.out.find("Usage: lochelper-cli"), std::string::npos);
    EXPECT_NE(result.out.find("用法"), std::string::npos);
    EXPECT_NE(result.out.find("translate"), std::string::npos);
}

TEST_F(CliTest, wrong_usage_exits_2_with_usage_on_stderr) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"bogus"}, {"--frobnicate", "three"}, {}, {"three", "--input"}}) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.exit_code, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("Usage:"), std::string::npos);
    }
}

TEST_F(CliTest, unreadable_input_exits_1_with_path) {
    const ProcessResult result = run({"--input", dir + "/missing.lng", "three"});
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find(dir + "/missing.lng"), std::string::npos);
    EXPECT_EQ(result.out, "");
}

TEST_F(CliTest, unwritable_output_exits_1_and_leaves_no_file) {
    ASSERT_TRUE(write_file(dir + "/blocker", "old"));
    const ProcessResult result = run({"--output", dir + "/blocker/out.txt", "three"}, "a=1");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find(dir + "/blocker"), std::string::npos);
    EXPECT_EQ(read_text_file(dir + "/blocker"), "old");
}

TEST_F(CliTest, missing_dictionary_exits_1_and_writes_nothing) {
    const ProcessResult result =
        run({"--dict", dir + "/default.edb", "translate"}, "a=1\r\nb=1\r\n");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("没找到数据库，请下载数据库。"), std::string::npos);
}

TEST_F(CliTest, damaged_dictionary_exits_1_with_the_reason) {
    ASSERT_TRUE(write_file(dir + "/default.edb", "not a database"));
    const ProcessResult result =
        run({"--dict", dir + "/default.edb", "translate"}, "a=1\r\nb=1\r\n");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(dir + "/default.edb"), std::string::npos);
}
