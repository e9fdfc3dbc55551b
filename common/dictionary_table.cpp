#include "dictionary_table.h"

#include "file_operations.h"
#include "gbk_codec.h"
#include "sqlite_database.h"

#include <algorithm>
#include <array>
#include <cerrno>

const char* const dictionary_table_name = "dictionary";
const char* const english_field = "\xD3\xA2\xCE\xC4";
const char* const chinese_field = "\xD6\xD0\xCE\xC4";

namespace {

// The column names as SQL sees them (UTF-8), in field order.
const std::array<const char*, 2> column_names = {"英文", "中文"};
constexpr int field_total = 2;
// Long enough to ride out another program's short write, short enough not to
// freeze a window that is waiting for it.
constexpr int busy_timeout_ms = 1000;

bool is_ascii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Dictionary terms are mostly ASCII, which reads the same in both encodings; the
// shortcut keeps loading a large dictionary fast.
std::string program_text(std::string utf8) {
    return is_ascii(utf8) ? utf8 : gbk_from_utf8(utf8);
}

std::string stored_text(const std::string& gbk) {
    return is_ascii(gbk) ? gbk : utf8_from_gbk(gbk);
}

std::string quoted(const char* name) {
    return std::string("\"") + name + "\"";
}

std::string select_fields_sql() {
    return std::string("SELECT rowid, ") + quoted(column_names[0]) + ", " +
           quoted(column_names[1]) + " FROM " + dictionary_table_name;
}

std::string failure_reason(const SqliteDatabase& database) {
    std::string reason;
    switch (database.failure()) {
    case SqliteFailure::cannot_open:
        reason = "无法打开文件";
        break;
    case SqliteFailure::not_a_database:
        reason = "不是 SQLite 数据库文件";
        break;
    case SqliteFailure::corrupt:
        reason = "数据库文件已损坏";
        break;
    case SqliteFailure::busy:
        reason = "数据库正被其他程序锁定";
        break;
    case SqliteFailure::read_only:
        reason = "数据库是只读的，不能修改";
        break;
    case SqliteFailure::io_error:
        reason = "读写文件出错";
        break;
    case SqliteFailure::none:
    case SqliteFailure::other:
        reason = "数据库操作失败";
        break;
    }
    return reason + " (" + database.error_message() + ")";
}

std::string error_text(const std::string& path, const std::string& reason) {
    return path + ": " + reason;
}

const char* type_name(SqliteStatement::Type type) {
    switch (type) {
    case SqliteStatement::Type::integer:
        return "整数";
    case SqliteStatement::Type::real:
        return "小数";
    case SqliteStatement::Type::blob:
        return "二进制数据";
    case SqliteStatement::Type::text:
    case SqliteStatement::Type::null:
        break;
    }
    return "文本";
}

bool is_text(SqliteStatement::Type type) {
    return type == SqliteStatement::Type::text || type == SqliteStatement::Type::null;
}

std::string not_text_reason(long record, int field, SqliteStatement::Type type) {
    return std::string("第 ") + std::to_string(record) + " 条记录的“" + column_names[field] +
           "”字段不是文本，而是" + type_name(type);
}

// Opens path as a dictionary: an existing SQLite file that is ours, or unmarked and
// holding the table with both fields. Anything else fails with the reason.
bool open_dictionary(SqliteDatabase& database, const std::string& path, std::string& error) {
    if (!file_exists(path)) {
        error = error_text(path, "文件不存在");
        return false;
    }
    if (!database.open(path, SqliteDatabase::Mode::read_write)) {
        error = error_text(path, failure_reason(database));
        return false;
    }
    database.set_busy_timeout(busy_timeout_ms);

    const auto fail = [&](const std::string& reason) {
        error = error_text(path, reason);
        database.close();
        return false;
    };

    SqliteStatement application(database, "PRAGMA application_id");
    if (!application.ok() || application.step() != SqliteStatement::Step::row)
        return fail(failure_reason(database));
    const int64_t application_id = application.column_int64(0);
    if (application_id != 0 && application_id != dictionary_application_id)
        return fail("这是其他程序的数据库，不是词典文件");

    SqliteStatement columns(database,
                            std::string("PRAGMA table_info(") + dictionary_table_name + ")");
    if (!columns.ok())
        return fail(failure_reason(database));
    std::array<bool, field_total> found{};
    bool any_column = false;
    SqliteStatement::Step step;
    while ((step = columns.step()) == SqliteStatement::Step::row) {
        any_column = true;
        const std::string name = columns.column_text(1);
        for (int field = 0; field < field_total; ++field)
            if (name == column_names[field])
                found[field] = true;
    }
    if (step == SqliteStatement::Step::error)
        return fail(failure_reason(database));
    if (!any_column)
        return fail(std::string("缺少表 ") + dictionary_table_name);
    for (int field = 0; field < field_total; ++field)
        if (!found[field])
            return fail(std::string("表 ") + dictionary_table_name + " 缺少字段“" +
                        column_names[field] + "”");

    // Table order is rowid order, so a table without rowids has none to offer.
    SqliteStatement probe(database, select_fields_sql() + " LIMIT 0");
    if (!probe.ok())
        return fail(std::string("表 ") + dictionary_table_name + " 没有行号(rowid)，记录没有顺序");
    return true;
}

// Every record of an open dictionary in table order.
bool read_records(SqliteDatabase& database, const std::string& path, const DictionaryVisitor& visit,
                  std::string& error) {
    const auto fail = [&](const std::string& reason) {
        error = error_text(path, reason);
        return false;
    };
    SqliteStatement select(database, select_fields_sql() + " ORDER BY rowid");
    if (!select.ok())
        return fail(failure_reason(database));
    long record = 0;
    SqliteStatement::Step step;
    while ((step = select.step()) == SqliteStatement::Step::row) {
        ++record;
        for (int field = 0; field < field_total; ++field)
            if (!is_text(select.column_type(field + 1)))
                return fail(not_text_reason(record, field, select.column_type(field + 1)));
        visit(program_text(select.column_text(1)), program_text(select.column_text(2)));
    }
    if (step == SqliteStatement::Step::error)
        return fail(failure_reason(database));
    return true;
}

} // namespace

struct DictionaryTable::State {
    SqliteDatabase database;
    std::string path;
    std::string error;
    std::unique_ptr<SqliteStatement> first_record;
    std::unique_ptr<SqliteStatement> next_record;
    bool has_current = false;
    long current_number = 0; // 1-based, for messages
    int64_t current_rowid = 0;
    std::array<SqliteStatement::Type, field_total> types{};
    std::array<std::string, field_total> values; // UTF-8 as stored

    bool fail(const std::string& reason) {
        error = error_text(path, reason);
        return false;
    }
    bool fail_from_database() { return fail(failure_reason(database)); }

    // Makes the row that statement yields the current record; none past the end.
    void move_to(SqliteStatement& statement) {
        const SqliteStatement::Step step = statement.step();
        has_current = step == SqliteStatement::Step::row;
        if (has_current) {
            current_rowid = statement.column_int64(0);
            for (int field = 0; field < field_total; ++field) {
                types[field] = statement.column_type(field + 1);
                values[field] = statement.column_text(field + 1);
            }
        } else if (step == SqliteStatement::Step::error) {
            fail_from_database();
        }
        statement.reset();
    }

    void forget_current() {
        has_current = false;
        current_number = 0;
    }
};

DictionaryTable::DictionaryTable() : state_(std::make_unique<State>()) {}

DictionaryTable::~DictionaryTable() {
    table_close();
}

bool DictionaryTable::table_open(const std::string& path) {
    table_close();
    state_->path = path;
    state_->error.clear();
    return open_dictionary(state_->database, path, state_->error);
}

void DictionaryTable::table_close() {
    state_->first_record.reset();
    state_->next_record.reset();
    state_->forget_current();
    state_->database.close();
}

bool DictionaryTable::is_open() const {
    return state_->database.is_open();
}

const std::string& DictionaryTable::error() const {
    return state_->error;
}

long DictionaryTable::record_count() const {
    if (!is_open())
        return 0;
    SqliteStatement count(state_->database,
                          std::string("SELECT count(*) FROM ") + dictionary_table_name);
    if (count.step() != SqliteStatement::Step::row) {
        state_->fail_from_database();
        return 0;
    }
    return static_cast<long>(count.column_int64(0));
}

int DictionaryTable::field_count() const {
    return is_open() ? field_total : 0;
}

void DictionaryTable::go_first() {
    if (!is_open())
        return;
    if (!state_->first_record)
        state_->first_record = std::make_unique<SqliteStatement>(
            state_->database, select_fields_sql() + " ORDER BY rowid LIMIT 1");
    state_->move_to(*state_->first_record);
    state_->current_number = state_->has_current ? 1 : 0;
}

void DictionaryTable::skip_record() {
    if (!is_open() || !state_->has_current)
        return;
    if (!state_->next_record)
        state_->next_record = std::make_unique<SqliteStatement>(
            state_->database, select_fields_sql() + " WHERE rowid > ?1 ORDER BY rowid LIMIT 1");
    state_->next_record->bind_int64(1, state_->current_rowid);
    state_->move_to(*state_->next_record);
    state_->current_number = state_->has_current ? state_->current_number + 1 : 0;
}

std::optional<std::string> DictionaryTable::read_field(const std::string& field_name) {
    if (field_name == english_field)
        return read_field(1);
    if (field_name == chinese_field)
        return read_field(2);
    if (is_open())
        state_->fail("没有字段“" + utf8_from_gbk(field_name) + "”");
    return std::nullopt;
}

std::optional<std::string> DictionaryTable::read_field(int position) {
    if (!is_open())
        return std::nullopt;
    if (position < 1 || position > field_total) {
        state_->fail("没有第 " + std::to_string(position) + " 个字段");
        return std::nullopt;
    }
    if (!state_->has_current) {
        state_->fail("没有当前记录");
        return std::nullopt;
    }
    const int field = position - 1;
    if (!is_text(state_->types[field])) {
        state_->fail(not_text_reason(state_->current_number, field, state_->types[field]));
        return std::nullopt;
    }
    return program_text(state_->values[field]);
}

bool DictionaryTable::remove_all() {
    if (!is_open())
        return false;
    state_->forget_current();
    if (!state_->database.execute(std::string("DELETE FROM ") + dictionary_table_name))
        return state_->fail_from_database();
    return true;
}

bool DictionaryTable::append_record(const std::vector<std::string>& values) {
    if (!is_open())
        return false;
    if (values.size() != static_cast<size_t>(field_total))
        return state_->fail("一条记录要有 " + std::to_string(field_total) + " 个字段值，而不是 " +
                            std::to_string(values.size()) + " 个");
    SqliteStatement insert(state_->database, std::string("INSERT INTO ") + dictionary_table_name +
                                                 " (" + quoted(column_names[0]) + ", " +
                                                 quoted(column_names[1]) + ") VALUES (?1, ?2)");
    if (!insert.ok())
        return state_->fail_from_database();
    for (int field = 0; field < field_total; ++field)
        insert.bind_text(field + 1, stored_text(values[field]));
    if (insert.step() != SqliteStatement::Step::done)
        return state_->fail_from_database();
    return true;
}

bool DictionaryTable::ordered_copy(const std::string& new_path, const std::string& field_name) {
    if (!is_open())
        return false;
    int field;
    if (field_name == english_field)
        field = 0;
    else if (field_name == chinese_field)
        field = 1;
    else
        return state_->fail("没有字段“" + utf8_from_gbk(field_name) + "”");

    std::vector<DictionaryEntry> entries;
    if (!read_records(
            state_->database, state_->path,
            [&](std::string&& english, std::string&& chinese) {
                entries.push_back({std::move(english), std::move(chinese)});
            },
            state_->error))
        return false;
    const auto key = [field](const DictionaryEntry& entry) -> const std::string& {
        return field == 0 ? entry.english : entry.chinese;
    };
    // std::string compares through char_traits<char>, which orders bytes as
    // unsigned values, as the program's byte order requires.
    std::stable_sort(
        entries.begin(), entries.end(),
        [&](const DictionaryEntry& a, const DictionaryEntry& b) { return key(a) < key(b); });

    // The copy is built beside the target and renamed over it, so a file already
    // at new_path is either kept whole or replaced whole.
    const std::string partial = new_path + ".partial";
    if (!write_dictionary_file(partial, entries, &state_->error))
        return false;
    if (!rename_file(partial, new_path)) {
        state_->error = system_error_text(new_path, errno);
        delete_file(partial);
        return false;
    }
    sync_directory_of(new_path);
    return true;
}

bool read_dictionary(const std::string& path, const DictionaryVisitor& visit, std::string* error) {
    std::string reason;
    SqliteDatabase database;
    const bool read =
        open_dictionary(database, path, reason) && read_records(database, path, visit, reason);
    if (!read && error)
        *error = reason;
    return read;
}

bool load_dictionary(const std::string& path, std::vector<DictionaryEntry>& entries,
                     std::string* error) {
    std::vector<DictionaryEntry> loaded;
    if (!read_dictionary(
            path,
            [&](std::string&& english, std::string&& chinese) {
                loaded.push_back({std::move(english), std::move(chinese)});
            },
            error))
        return false;
    entries = std::move(loaded);
    return true;
}

bool write_dictionary_file(const std::string& path, const std::vector<DictionaryEntry>& entries,
                           std::string* error) {
    // A journal left by a write that died would be rolled back into the new file.
    const std::string journal = path + "-journal";
    for (const std::string& stale : {path, journal}) {
        if (file_exists(stale) && !delete_file(stale)) {
            if (error)
                *error = system_error_text(stale, errno);
            return false;
        }
    }

    SqliteDatabase database;
    const auto fail = [&]() {
        if (error)
            *error = error_text(path, failure_reason(database));
        database.close();
        delete_file(path);
        delete_file(journal);
        return false;
    };
    if (!database.open(path, SqliteDatabase::Mode::create))
        return fail();
    database.set_busy_timeout(busy_timeout_ms);
    if (!database.execute(
            "BEGIN; PRAGMA application_id = " + std::to_string(dictionary_application_id) +
            "; CREATE TABLE " + dictionary_table_name + " (" + quoted(column_names[0]) + " TEXT, " +
            quoted(column_names[1]) + " TEXT)"))
        return fail();
    {
        SqliteStatement insert(database, std::string("INSERT INTO ") + dictionary_table_name +
                                             " VALUES (?1, ?2)");
        if (!insert.ok())
            return fail();
        for (const DictionaryEntry& entry : entries) {
            insert.bind_text(1, stored_text(entry.english));
            insert.bind_text(2, stored_text(entry.chinese));
            if (insert.step() != SqliteStatement::Step::done)
                return fail();
            insert.reset();
        }
    }
    // SQLite flushes the file to disk on commit; the directory entry comes next.
    if (!database.execute("COMMIT"))
        return fail();
    database.close();
    sync_directory_of(path);
    return true;
}

void sort_by_english(std::vector<DictionaryEntry>& entries) {
    std::stable_sort(
        entries.begin(), entries.end(),
        [](const DictionaryEntry& a, const DictionaryEntry& b) { return a.english < b.english; });
}
