#pragma once
// What the dictionary tests share: a temporary directory, GBK literals written as
// UTF-8 in the source, and SQLite files made by hand as another tool would.

#include "dictionary_table.h"
#include "gbk_codec.h"
#include "scratch_directory.h"
#include "sqlite_database.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

inline std::string gbk(const char* utf8) {
    return gbk_from_utf8(utf8);
}

class TemporaryDirectory : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    const std::string dir = scratch.path();

    std::string path(const std::string& name) const { return dir + "/" + name; }

    // An SQLite file built by running sql, as with the sqlite3 tool.
    std::string sqlite_file(const std::string& name, const std::string& sql) const {
        const std::string file = path(name);
        SqliteDatabase database;
        EXPECT_TRUE(database.open(file, SqliteDatabase::Mode::create));
        EXPECT_TRUE(database.execute(sql)) << sql << ": " << database.error_message();
        return file;
    }

    std::string dictionary_file(const std::string& name,
                                const std::vector<DictionaryEntry>& entries) const {
        const std::string file = path(name);
        std::string error;
        EXPECT_TRUE(write_dictionary_file(file, entries, &error)) << error;
        return file;
    }
};
