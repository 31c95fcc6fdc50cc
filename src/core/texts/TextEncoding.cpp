#include "texts/TextEncoding.h"

#include <array>

namespace kestrion {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Decodes one UTF-8 sequence at s[i]; advances i; returns kReplacement when malformed.
char32_t next_utf8(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int len = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (len == 0 || i + len > s.size()) {
        ++i;
        return kReplacement;
    }
    char32_t cp = len == 1 ? b0 : b0 & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            i += k;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += len;
    static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
    return cp;
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char32_t cp = b;
        if (b >= 0x80 && b <= 0x9F) cp = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
        append_utf8(out, cp);
    }
    return out;
}

std::string utf16_to_utf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        append_utf8(out, (cp >= 0xD800 && cp <= 0xDFFF) ? kReplacement : cp);
    }
    if (bytes.size() % 2) append_utf8(out, kReplacement);
    return out;
}

} // namespace

std::string sanitize_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) append_utf8(out, next_utf8(bytes, i));
    return out;
}

std::string decode_text_file(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return sanitize_utf8(bytes.substr(3));
    if (bytes.substr(0, 2) == "\xFF\xFE") return utf16_to_utf8(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return utf16_to_utf8(bytes.substr(2), true);
    return cp1252_to_utf8(bytes);
}

} // namespace kestrion
