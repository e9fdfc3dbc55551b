#pragma once
// A thin RAII front over the SQLite C API: one connection, its prepared statements,
// and the last error. Texts bound and read here are UTF-8, as SQLite stores them.
// Callers never see sqlite3.h, so only this library links SQLite.

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// The coarse kinds of failure a caller tells the user about.
enum class SqliteFailure {
    none,
    cannot_open, // missing, a directory, no permission
    not_a_database,
    corrupt,
    busy, // locked by another connection
    read_only,
    io_error,
    other,
};

class SqliteDatabase {
public:
    enum class Mode { read_write, create };

    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // read_write opens an existing file only; create makes it when missing.
    bool open(const std::string& path, Mode mode);
    void close();
    bool is_open() const { return handle_ != nullptr; }
    sqlite3* handle() const { return handle_; }

    // Runs statements that return no rows of interest.
    bool execute(const std::string& sql);
    // How long a statement waits for another connection's lock before failing.
    void set_busy_timeout(int milliseconds);

    // SQLite's message and kind for the last failed call on this connection.
    std::string error_message() const;
    SqliteFailure failure() const;

private:
    sqlite3* handle_ = nullptr;
    int open_result_ = 0; // the result of a failed open, whose handle is gone
};

class SqliteStatement {
public:
    enum class Step { row, done, error };
    enum class Type { integer, real, text, blob, null };

    // Prepares sql on the connection; ok() says whether that worked.
    SqliteStatement(SqliteDatabase& database, const std::string& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool ok() const { return statement_ != nullptr; }

    // Parameters count from 1.
    bool bind_text(int index, const std::string& utf8);
    bool bind_int64(int index, int64_t value);
    Step step();
    // Back to before the first row, bindings kept.
    void reset();

    // Columns of the current row count from 0.
    int column_count() const;
    Type column_type(int column) const;
    std::string column_text(int column) const;
    int64_t column_int64(int column) const;

private:
    sqlite3_stmt* statement_ = nullptr;
};
