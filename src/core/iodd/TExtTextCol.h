#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrion {

// The texts of one language: ids and values in file order, duplicates kept, entry k of
// the values being the text of id k. Large devices carry thousands of texts, so they are
// stored in one character block with an index of positions: a text costs no allocation
// of its own, and a lookup by id is a hash probe.
class TExtTextCol {
public:
    std::string FLang_Code_Primary;
    std::vector<std::string> OtherLang; // other languages are not read

    std::size_t size() const { return entries_.size(); }
    std::string_view id(std::size_t k) const { return view(entries_[k].id_at, entries_[k].id_len); }
    std::string_view value(std::size_t k) const {
        return view(entries_[k].value_at, entries_[k].value_len);
    }

    // Room for `entries` texts of `chars` characters in all, to spare regrowth.
    void reserve(std::size_t entries, std::size_t chars);
    void Add(std::string_view id, std::string_view value);
    void Erase_All();
    // Position of the first entry with that id; -1 when absent.
    int Find_ID(std::string_view ID) const;
    // The text of the first entry with that id; false and empty when absent.
    bool Get_Value_From_ID(std::string_view ID, std::string& Value) const;
    std::optional<std::string_view> find(std::string_view ID) const;

private:
    struct Entry {
        std::uint32_t id_at, id_len, value_at, value_len;
    };
    std::string_view view(std::uint32_t at, std::uint32_t len) const {
        return std::string_view(chars_).substr(at, len);
    }
    std::uint32_t append(std::string_view text);
    // Open addressing over entry positions (slot value = position + 1; 0 is free). Only
    // the first entry of an id is indexed.
    std::size_t probe(std::string_view id) const;
    void grow();

    std::string chars_;
    std::vector<Entry> entries_;
    std::vector<std::uint32_t> slots_;
    std::size_t indexed_ = 0;
};

} // namespace kestrion
