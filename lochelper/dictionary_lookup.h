#pragma once
// The dictionary as the translation pass consults it: read once per pass into a
// hash map, so a lookup costs the same for ten records as for a million.

#include <string>
#include <string_view>
#include <unordered_map>

// 英文 -> 中文, GBK bytes, stored as the table holds them: no case folding, no
// trimming. The first record of each 英文 decides, even when its 中文 is empty,
// exactly as a scan of the table from its first record would.
class DictionaryIndex {
public:
    // Keeps the record unless an earlier one has the same 英文.
    void add(std::string english, std::string chinese);
    // The 中文 of the first record whose 英文 equals english byte for byte, or
    // nullptr when none does.
    const std::string* find(const std::string& english) const;
    size_t size() const { return translations_.size(); }
    void reserve(size_t records) { translations_.reserve(records); }

private:
    std::unordered_map<std::string, std::string> translations_;
};

// The translation of a term: the 中文 of the first record whose 英文 equals the
// term turned to lower case (ASCII only), when that 中文 is not empty. Otherwise
// the term itself, exactly as passed in.
std::string lookup_translation(std::string_view term, const DictionaryIndex& index);
