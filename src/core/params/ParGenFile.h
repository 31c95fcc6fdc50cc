#pragma once
#include "params/ParGen.h"
#include "platform/AtomicFile.h"
#include "texts/Finding.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrion {

// Something the loader had to change because the file held a value the dialog cannot show;
// saving would otherwise lose it without a word.
struct ParGenNotice {
    enum class Kind {
        NotXml,    // the file exists but is not a readable XML document: all defaults
        OutOfList, // an index outside its list: the element's default is used
        TooLong,   // a name longer than its field: shortened to the field's length
    };
    Kind kind = Kind::NotXml;
    std::string element; // XML element name
    std::string stored;  // the text in the file
    std::string used;    // what the parameter set now holds, as the dialog shows it

    bool operator==(const ParGenNotice&) const = default;
};

enum class ParGenSource { Missing, Read, Unreadable };

struct ParGenLoad {
    ParGen values;
    ParGenSource source = ParGenSource::Missing;
    std::vector<ParGenNotice> notices;
};

// Reads ParGen.xml value by value: a missing or unreadable element takes its own default,
// flags are set only by exactly "1", Wi-Fi DHCP is always clear, the device variant is
// looked up in the list of the loaded BACnet type. A missing file gives all defaults and
// no notice; a file that is not XML gives all defaults and a NotXml notice.
ParGenLoad load_ParGen(const std::filesystem::path& file);
ParGenLoad parse_ParGen(std::string_view bytes);

// The file's exact bytes: root Par_Gen with its 63 children in fixed order, the version
// comment behind it, no declaration, no indentation, UTF-8. The same values always give
// the same bytes.
std::string ParGen_xml(const ParGen& values);

// Replaces the file atomically; reports the system's reason when it cannot.
WriteResult save_ParGen(const std::filesystem::path& file, const ParGen& values);

// Texts of the loader's notices (1130 file not readable, 1131 value outside its list,
// 1132 name too long). NotXml is an error: the project's parameters are not what the file
// meant them to be; the others are warnings.
Finding describe(const ParGenNotice& notice, const TextTable& texts);

} // namespace kestrion
