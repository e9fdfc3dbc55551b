#include "sqlite_database.h"

#include <sqlite3.h>

namespace {

SqliteFailure failure_of(int result) {
    switch (result & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
        return SqliteFailure::none;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return SqliteFailure::cannot_open;
    case SQLITE_NOTADB:
        return SqliteFailure::not_a_database;
    case SQLITE_CORRUPT:
        return SqliteFailure::corrupt;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return SqliteFailure::busy;
    case SQLITE_READONLY:
        return SqliteFailure::read_only;
    case SQLITE_IOERR:
    case SQLITE_FULL:
        return SqliteFailure::io_error;
    default:
        return SqliteFailure::other;
    }
}

} // namespace

SqliteDatabase::~SqliteDatabase() {
    close();
}

bool SqliteDatabase::open(const std::string& path, Mode mode) {
    close();
    int flags = SQLITE_OPEN_READWRITE;
    if (mode == Mode::create)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* handle = nullptr;
    open_result_ = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    if (open_result_ != SQLITE_OK) {
        // A failed open still hands out a handle that must be closed.
        sqlite3_close(handle);
        return false;
    }
    handle_ = handle;
    sqlite3_extended_result_codes(handle_, 1);
    return true;
}

void SqliteDatabase::close() {
    if (handle_) {
        // The _v2 form lets a statement that outlives the connection finish it later.
        sqlite3_close_v2(handle_);
        handle_ = nullptr;
    }
}

bool SqliteDatabase::execute(const std::string& sql) {
    if (!handle_)
        return false;
    return sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void SqliteDatabase::set_busy_timeout(int milliseconds) {
    if (handle_)
        sqlite3_busy_timeout(handle_, milliseconds);
}

std::string SqliteDatabase::error_message() const {
    if (!handle_)
        return sqlite3_errstr(open_result_);
    return sqlite3_errmsg(handle_);
}

SqliteFailure SqliteDatabase::failure() const {
    if (!handle_)
        return open_result_ == SQLITE_OK ? SqliteFailure::cannot_open : failure_of(open_result_);
    return failure_of(sqlite3_extended_errcode(handle_));
}

SqliteStatement::SqliteStatement(SqliteDatabase& database, const std::string& sql) {
    if (!database.handle())
        return;
    if (sqlite3_prepare_v2(database.handle(), sql.c_str(), static_cast<int>(sql.size()),
                           &statement_, nullptr) != SQLITE_OK) {
        sqlite3_finalize(statement_);
        statement_ = nullptr;
    }
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

bool SqliteStatement::bind_text(int index, const std::string& utf8) {
    return statement_ &&
           sqlite3_bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()),
                             SQLITE_TRANSIENT) == SQLITE_OK;
}

bool SqliteStatement::bind_int64(int index, int64_t value) {
    return statement_ && sqlite3_bind_int64(statement_, index, value) == SQLITE_OK;
}

SqliteStatement::Step SqliteStatement::step() {
    if (!statement_)
        return Step::error;
    switch (sqlite3_step(statement_)) {
    case SQLITE_ROW:
        return Step::row;
    case SQLITE_DONE:
        return Step::done;
    default:
        return Step::error;
    }
}

void SqliteStatement::reset() {
    if (statement_)
        sqlite3_reset(statement_);
}

int SqliteStatement::column_count() const {
    return statement_ ? sqlite3_column_count(statement_) : 0;
}

SqliteStatement::Type SqliteStatement::column_type(int column) const {
    if (!statement_)
        return Type::null;
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
        return Type::integer;
    case SQLITE_FLOAT:
        return Type::real;
    case SQLITE_TEXT:
        return Type::text;
    case SQLITE_BLOB:
        return Type::blob;
    default:
        return Type::null;
    }
}

std::string SqliteStatement::column_text(int column) const {
    if (!statement_)
        return {};
    const unsigned char* text = sqlite3_column_text(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(size))
                : std::string();
}

int64_t SqliteStatement::column_int64(int column) const {
    return statement_ ? sqlite3_column_int64(statement_, column) : 0;
}
