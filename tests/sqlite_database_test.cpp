#include "sqlite_database.h"

#include <gtest/gtest.h>

TEST(SqliteDatabase, statement_binds_steps_and_reads_each_type) {
    SqliteDatabase database;
    ASSERT_TRUE(database.open(":memory:", SqliteDatabase::Mode::create));
    ASSERT_TRUE(database.execute("CREATE TABLE t (v); INSERT INTO t VALUES (7), (2.5), "
                                 "(x'00ff'), (NULL)"));
    SqliteStatement insert(database, "INSERT INTO t VALUES (?1)");
    ASSERT_TRUE(insert.ok());
    ASSERT_TRUE(insert.bind_text(1, std::string("a\0b", 3)));
    EXPECT_EQ(insert.step(), SqliteStatement::Step::done);

    SqliteStatement select(database, "SELECT v FROM t ORDER BY rowid");
    const SqliteStatement::Type expected[] = {
        SqliteStatement::Type::integer, SqliteStatement::Type::real, SqliteStatement::Type::blob,
        SqliteStatement::Type::null, SqliteStatement::Type::text};
    for (const SqliteStatement::Type type : expected) {
        ASSERT_EQ(select.step(), SqliteStatement::Step::row);
        EXPECT_EQ(select.column_type(0), type);
    }
    EXPECT_EQ(select.column_text(0), std::string("a\0b", 3));
    EXPECT_EQ(select.step(), SqliteStatement::Step::done);
    select.reset();
    ASSERT_EQ(select.step(), SqliteStatement::Step::row);
    EXPECT_EQ(select.column_int64(0), 7);
}

TEST(SqliteDatabase, bad_sql_fails_with_a_message) {
    SqliteDatabase database;
    ASSERT_TRUE(database.open(":memory:", SqliteDatabase::Mode::create));
    SqliteStatement statement(database, "SELECT * FROM nowhere");
    EXPECT_FALSE(statement.ok());
    EXPECT_EQ(statement.step(), SqliteStatement::Step::error);
    EXPECT_NE(database.error_message().find("nowhere"), std::string::npos);
}

TEST(SqliteDatabase, read_write_open_never_creates_a_file) {
    SqliteDatabase database;
    EXPECT_FALSE(database.open("/nonexistent-lexiro-dir/x.db", SqliteDatabase::Mode::read_write));
    EXPECT_FALSE(database.is_open());
    EXPECT_EQ(database.failure(), SqliteFailure::cannot_open);
}
