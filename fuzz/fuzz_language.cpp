// Language files: any bytes in any of the three encodings must give entries inside the table.
#include "texts/LanguageFile.h"
#include "texts/TextEncoding.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& entry : kestrion::parse_language_file(bytes, 4000)) {
        if (entry.number < 0 || entry.number >= 4000) __builtin_trap();
        // Texts reach Qt and XML writers: they must be valid UTF-8.
        if (kestrion::sanitize_utf8(entry.text) != entry.text) __builtin_trap();
    }
    return 0;
}
