#pragma once
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kestrion {

// The texts of one language: ids and values as two parallel lists in file order
// (duplicates kept), with a hash index so that a lookup stays fast for the thousands of
// texts of a large device.
class TExtTextCol {
public:
    std::string FLang_Code_Primary;
    std::vector<std::string> OtherLang; // other languages are not read

    const std::vector<std::string>& List_Ids() const { return ids_; }
    const std::vector<std::string>& PriLang_Values() const { return values_; }
    std::size_t size() const { return ids_.size(); }

    void Add(std::string id, std::string value);
    void Erase_All();
    // Position of the first entry with that id; -1 when absent.
    int Find_ID(std::string_view ID) const;
    // The text of the first entry with that id; false and empty when absent.
    bool Get_Value_From_ID(std::string_view ID, std::string& Value) const;
    // The text of the first entry with that id, or nullptr.
    const std::string* find(std::string_view ID) const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::vector<std::string> ids_;
    std::vector<std::string> values_;
    std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>> first_;
};

} // namespace kestrion
