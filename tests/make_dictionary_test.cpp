#include "dictionary_files.h"

#include "file_operations.h"

#include <sys/wait.h>

namespace {

class MakeDictionary : public TemporaryDirectory {
protected:
    int run(const std::string& source, const std::string& target) {
        const std::string command = std::string("'") + MAKE_DICTIONARY + "' '" + source + "' '" +
                                    target + "' >/dev/null 2>&1";
        return WEXITSTATUS(std::system(command.c_str()));
    }
};

} // namespace

TEST_F(MakeDictionary, builds_the_shipped_source_into_a_usable_dictionary) {
    const std::string target = path("default.edb");
    ASSERT_EQ(run(STARTER_DICTIONARY, target), 0);
    std::vector<DictionaryEntry> entries;
    std::string error;
    ASSERT_TRUE(load_dictionary(target, entries, &error)) << error;
    EXPECT_GE(entries.size(), 300u);
    EXPECT_EQ(entries.front().english, "file");
    EXPECT_EQ(entries.front().chinese, gbk("文件"));
}

TEST_F(MakeDictionary, never_replaces_an_existing_dictionary) {
    const std::string target = dictionary_file("default.edb", {{"mine", gbk("我的")}});
    const std::string before = read_text_file(target);
    EXPECT_EQ(run(STARTER_DICTIONARY, target), 0);
    EXPECT_EQ(read_text_file(target), before);
}

struct BadSource {
    const char* name;
    const char* text;
};

void PrintTo(const BadSource& source, std::ostream* out) {
    *out << source.name;
}

class MakeDictionaryRefuses : public MakeDictionary,
                              public ::testing::WithParamInterface<BadSource> {};

TEST_P(MakeDictionaryRefuses, fails_and_writes_nothing) {
    const std::string source = path("source.tsv");
    ASSERT_TRUE(write_file(source, GetParam().text));
    EXPECT_EQ(run(source, path("default.edb")), 1);
    EXPECT_FALSE(file_exists(path("default.edb")));
    EXPECT_FALSE(file_exists(path("default.edb.partial")));
}

INSTANTIATE_TEST_SUITE_P(Sources, MakeDictionaryRefuses,
                         ::testing::Values(BadSource{"capital_letter", "open\t打开\nSave\t保存\n"},
                                           BadSource{"duplicate", "open\t打开\nopen\t开启\n"},
                                           BadSource{"no_tab", "open 打开\n"},
                                           BadSource{"two_tabs", "open\t打开\t开\n"},
                                           BadSource{"empty_translation", "open\t\n"}),
                         [](const ::testing::TestParamInfo<BadSource>& info) {
                             return info.param.name;
                         });
