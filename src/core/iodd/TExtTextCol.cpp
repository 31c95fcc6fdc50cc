#include "iodd/TExtTextCol.h"

#include <functional>

namespace kestrion {

void TExtTextCol::reserve(std::size_t entries, std::size_t chars) {
    entries_.reserve(entries);
    chars_.reserve(chars);
    while (slots_.size() < 2 * entries)
        grow();
}

std::uint32_t TExtTextCol::append(std::string_view text) {
    const auto at = static_cast<std::uint32_t>(chars_.size());
    chars_.append(text);
    return at;
}

std::size_t TExtTextCol::probe(std::string_view id) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = std::hash<std::string_view>{}(id)&mask;
    while (slots_[slot] != 0 && this->id(slots_[slot] - 1) != id)
        slot = (slot + 1) & mask;
    return slot;
}

void TExtTextCol::grow() {
    std::vector<std::uint32_t> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, 0);
    for (const std::uint32_t entry : old)
        if (entry != 0) slots_[probe(id(entry - 1))] = entry;
}

void TExtTextCol::Add(std::string_view id, std::string_view value) {
    const Entry entry{append(id), static_cast<std::uint32_t>(id.size()), append(value),
                      static_cast<std::uint32_t>(value.size())};
    entries_.push_back(entry);
    if (2 * (indexed_ + 1) > slots_.size()) grow();
    const std::size_t slot = probe(id);
    if (slots_[slot] != 0) return; // a later duplicate never shadows the first
    slots_[slot] = static_cast<std::uint32_t>(entries_.size());
    ++indexed_;
}

void TExtTextCol::Erase_All() {
    chars_.clear();
    entries_.clear();
    slots_.clear();
    indexed_ = 0;
    OtherLang.clear();
}

int TExtTextCol::Find_ID(std::string_view ID) const {
    if (slots_.empty()) return -1;
    const std::uint32_t entry = slots_[probe(ID)];
    return static_cast<int>(entry) - 1;
}

std::optional<std::string_view> TExtTextCol::find(std::string_view ID) const {
    const int at = Find_ID(ID);
    if (at < 0) return std::nullopt;
    return value(static_cast<std::size_t>(at));
}

bool TExtTextCol::Get_Value_From_ID(std::string_view ID, std::string& Value) const {
    const auto text = find(ID);
    Value = text ? std::string(*text) : std::string();
    return text.has_value();
}

} // namespace kestrion
