#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kestrion {

// Removes blanks and control characters (every byte up to 0x20) at both ends, the way
// user-typed values and file lines are tidied throughout the program.
std::string_view trim(std::string_view s);

// Lower-cases ASCII letters only; names compared "without regard to case" are ASCII.
std::string ascii_lower(std::string_view s);
bool iequals(std::string_view a, std::string_view b);

// A whole-text decimal integer with an optional sign; nothing else (no blanks, no hex).
std::optional<long long> parse_integer(std::string_view s);

// Number typed by the user as it counts in the checks: text that does not convert is -1.
long long number_or_minus_one(std::string_view s);

} // namespace kestrion
