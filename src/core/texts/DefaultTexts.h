#pragma once
#include <string_view>
#include <vector>

namespace kestrion {

// One built-in English text and its number in the text table.
struct DefaultText {
    int number;
    std::string_view text;
};

// The numbers this model's windows show, ascending; every other number holds a blank.
const std::vector<DefaultText>& default_texts();

} // namespace kestrion
