#include "iodd/TExtTextCol.h"

namespace kestrion {

void TExtTextCol::Add(std::string id, std::string value) {
    const std::size_t position = ids_.size();
    first_.try_emplace(id, position); // a later duplicate never shadows the first
    ids_.push_back(std::move(id));
    values_.push_back(std::move(value));
}

void TExtTextCol::Erase_All() {
    ids_.clear();
    values_.clear();
    first_.clear();
    OtherLang.clear();
}

int TExtTextCol::Find_ID(std::string_view ID) const {
    const auto it = first_.find(ID);
    return it == first_.end() ? -1 : static_cast<int>(it->second);
}

const std::string* TExtTextCol::find(std::string_view ID) const {
    const auto it = first_.find(ID);
    return it == first_.end() ? nullptr : &values_[it->second];
}

bool TExtTextCol::Get_Value_From_ID(std::string_view ID, std::string& Value) const {
    const std::string* text = find(ID);
    Value = text ? *text : std::string();
    return text != nullptr;
}

} // namespace kestrion
