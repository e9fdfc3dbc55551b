#pragma once
// The dictionary file, default.edb: an SQLite 3 database holding one table
//     CREATE TABLE dictionary ("英文" TEXT, "中文" TEXT)
// (field positions 1 and 2), marked with PRAGMA application_id so that the program
// can tell its own dictionaries from other SQLite files. Table order is rowid order.
// Values are UTF-8 in the file and GBK bytes in the program, converted losslessly
// (gbk_codec.h). Every text in this interface is GBK bytes, except paths and the
// error texts, which are "<path>: <reason>" with the reason in Chinese, UTF-8.
// A file with application_id 0 is accepted too when it holds the table with both
// fields, so a dictionary made by hand with the sqlite3 tool works.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

constexpr int32_t dictionary_application_id = 0x4C584442; // "LXDB"
extern const char* const dictionary_table_name;           // "dictionary"
extern const char* const english_field;                   // "英文" as GBK bytes
extern const char* const chinese_field;                   // "中文" as GBK bytes

struct DictionaryEntry {
    std::string english;
    std::string chinese;
};

// One open dictionary table with a current record, as the line passes and the
// editor use it. When table_open fails, every other operation does nothing:
// record_count and field_count give 0, reads give nothing, ordered_copy fails.
class DictionaryTable {
public:
    DictionaryTable();
    ~DictionaryTable();
    DictionaryTable(const DictionaryTable&) = delete;
    DictionaryTable& operator=(const DictionaryTable&) = delete;

    // Opens an existing dictionary file; never creates one. False, with error()
    // saying why, when the file is missing, is no SQLite file, belongs to another
    // program, or lacks the table or a field.
    bool table_open(const std::string& path);
    void table_close();
    bool is_open() const;
    // Why the last failed operation failed: path and reason, in Chinese.
    const std::string& error() const;

    long record_count() const;
    int field_count() const;
    void go_first();
    void skip_record();
    // The field of the current record. A NULL reads as the empty text. nullopt when
    // there is no current record, no such field, or the value is not text (a number
    // or a blob); error() then says which.
    std::optional<std::string> read_field(const std::string& field_name);
    std::optional<std::string> read_field(int position);

    bool remove_all();
    bool append_record(const std::vector<std::string>& values);
    // Writes every record, ordered by the named field in byte order of the
    // program's bytes (ties keep table order), into a new dictionary file at
    // new_path. A file already there is replaced whole, atomically.
    bool ordered_copy(const std::string& new_path, const std::string& field_name);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Calls visit with every record in table order, in one read, without holding the
// whole table twice. False, with the reason, as for load_dictionary; records
// visited before a failure have been visited.
using DictionaryVisitor = std::function<void(std::string&& english, std::string&& chinese)>;
bool read_dictionary(const std::string& path, const DictionaryVisitor& visit,
                     std::string* error = nullptr);
// Every record in table order, in one read. False, with the reason, when the file
// cannot be used as a dictionary (see table_open) or a value is not text.
bool load_dictionary(const std::string& path, std::vector<DictionaryEntry>& entries,
                     std::string* error = nullptr);
// Writes a new dictionary file at path holding exactly these entries, in this
// order, in one transaction, and flushes it to disk. A file already at path is
// removed first. False, with the reason, on any failure; a partial file is removed.
bool write_dictionary_file(const std::string& path, const std::vector<DictionaryEntry>& entries,
                           std::string* error = nullptr);
// Stable sort by english, byte for byte as unsigned values.
void sort_by_english(std::vector<DictionaryEntry>& entries);
