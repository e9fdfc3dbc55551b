#include "dictionary_lookup.h"

#include "text_operations.h"

void DictionaryIndex::add(std::string english, std::string chinese) {
    translations_.try_emplace(std::move(english), std::move(chinese));
}

const std::string* DictionaryIndex::find(const std::string& english) const {
    const auto found = translations_.find(english);
    return found == translations_.end() ? nullptr : &found->second;
}

std::string lookup_translation(std::string_view term, const DictionaryIndex& index) {
    const std::string* chinese = index.find(to_lower(std::string(term)));
    if (chinese && !chinese->empty())
        return *chinese;
    return std::string(term);
}
