#pragma once
#include "texts/TextTable.h"

#include <optional>
#include <string>

namespace kestrion {

enum class Severity { Error, Warning };

// One result of a check or of reading a project file: which numbered text it is, that text
// as shown (placeholders already filled, in the current language), how serious it is and,
// for table checks, where the user has to look. Windows show it, the command line prints
// it, tests compare it.
struct Finding {
    int text_number = 0;
    std::string message;
    Severity severity = Severity::Error;
    std::optional<int> page;
    std::optional<int> row;
    std::optional<int> column;

    bool is_error() const { return severity == Severity::Error; }
    bool operator==(const Finding&) const = default;
};

// A finding whose message is text `number` of `texts` as it stands.
inline Finding make_finding(const TextTable& texts, int number,
                            Severity severity = Severity::Error) {
    Finding f;
    f.text_number = number;
    f.message = texts[number];
    f.severity = severity;
    return f;
}

} // namespace kestrion
