#include "dictionary_lookup.h"

#include "text_operations.h"

#include <functional>

void DictionaryIndex::reserve(size_t records) {
    entries_.reserve(records);
    // At most half full, so probe runs stay short.
    size_t slot_count = 16;
    while (slot_count < records * 2)
        slot_count *= 2;
    if (slot_count > slots_.size())
        rehash(slot_count);
}

void DictionaryIndex::rehash(size_t slot_count) {
    slots_.assign(slot_count, 0);
    for (size_t i = 0; i < entries_.size(); ++i)
        slots_[slot_of(entries_[i].english)] = static_cast<uint32_t>(i + 1);
}

size_t DictionaryIndex::slot_of(std::string_view english) const {
    const size_t mask = slots_.size() - 1;
    size_t slot = std::hash<std::string_view>()(english) & mask;
    while (slots_[slot] != 0 && entries_[slots_[slot] - 1].english != english)
        slot = (slot + 1) & mask;
    return slot;
}

void DictionaryIndex::add(std::string english, std::string chinese) {
    if ((entries_.size() + 1) * 2 > slots_.size())
        rehash(slots_.empty() ? 16 : slots_.size() * 2);
    const size_t slot = slot_of(english);
    if (slots_[slot] != 0)
        return;
    entries_.push_back({std::move(english), std::move(chinese)});
    slots_[slot] = static_cast<uint32_t>(entries_.size());
}

const std::string* DictionaryIndex::find(std::string_view english) const {
    if (slots_.empty())
        return nullptr;
    const uint32_t entry = slots_[slot_of(english)];
    return entry == 0 ? nullptr : &entries_[entry - 1].chinese;
}

std::string lookup_translation(std::string_view term, const DictionaryIndex& index) {
    const std::string* chinese = index.find(to_lower(std::string(term)));
    if (chinese && !chinese->empty())
        return *chinese;
    return std::string(term);
}
