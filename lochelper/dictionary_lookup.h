#pragma once
// The dictionary as the translation pass consults it: read once per pass into a
// hash table, so a lookup costs the same for ten records as for a million.

#include "dictionary_table.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// 英文 -> 中文, GBK bytes, stored as the table holds them: no case folding, no
// trimming. The first record of each 英文 decides, even when its 中文 is empty,
// exactly as a scan of the table from its first record would.
class DictionaryIndex {
public:
    // Keeps the record unless an earlier one has the same 英文.
    void add(std::string english, std::string chinese);
    // The 中文 of the first record whose 英文 equals english byte for byte, or
    // nullptr when none does.
    const std::string* find(std::string_view english) const;
    size_t size() const { return entries_.size(); }
    void reserve(size_t records);

private:
    // The slot that holds english, or the empty slot where it belongs.
    size_t slot_of(std::string_view english) const;
    void rehash(size_t slot_count);

    // Open addressing over a flat array: a million records cost two allocations
    // instead of a million, which is most of the time a load takes.
    std::vector<DictionaryEntry> entries_; // the kept records, in table order
    std::vector<uint32_t> slots_;          // 0 when empty, else 1 + index into entries_
};

// The translation of a term: the 中文 of the first record whose 英文 equals the
// term turned to lower case (ASCII only), when that 中文 is not empty. Otherwise
// the term itself, exactly as passed in.
std::string lookup_translation(std::string_view term, const DictionaryIndex& index);
