#pragma once
// Attribute and name conventions shared by the IODD readers. Internal to iodd/.
#include "texts/StringUtil.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include <pugixml.hpp>

namespace kestrion::iodd_xml {

inline constexpr std::string_view Xsi_Namespace = "http://www.w3.org/2001/XMLSchema-instance";

inline std::string ascii_upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Loose comparison of a name: trimmed, then without regard to ASCII case. `upper` is
// given in upper case.
inline bool loose_is(std::string_view name, std::string_view upper) {
    name = trim(name);
    if (name.size() != upper.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upper[i]) return false;
    }
    return true;
}

// Copies an attribute into a text field only when the attribute is there.
inline void read_text(pugi::xml_node node, const char* name, std::string& field) {
    if (const pugi::xml_attribute a = node.attribute(name)) field = a.value();
}

inline std::string text_of(pugi::xml_node node, const char* name) {
    return node.attribute(name).value();
}

// The textId of the child `child`; empty when either is missing.
inline std::string text_id(pugi::xml_node parent, const char* child) {
    return parent.child(child).attribute("textId").value();
}

// A boolean attribute is set only by the exact text "true".
inline bool flag(pugi::xml_node node, const char* name) {
    return std::string_view(node.attribute(name).value()) == "true";
}

// Integer conversion of a whole text (surrounding blanks allowed, as XML Schema collapses
// them); false when it is no number or does not fit the field.
template <class T> bool to_integer(std::string_view text, T& out) {
    const auto value = parse_integer(trim(text));
    if (!value || *value < static_cast<long long>(std::numeric_limits<T>::min())) return false;
    if constexpr (sizeof(T) < sizeof(long long) || std::is_signed_v<T>)
        if (*value > static_cast<long long>(std::numeric_limits<T>::max())) return false;
    out = static_cast<T>(*value);
    return true;
}

// Reads an integer attribute; a missing attribute or a text that does not convert leaves
// the field as it was.
template <class T> void read_integer(pugi::xml_node node, const char* name, T& field) {
    if (const pugi::xml_attribute a = node.attribute(name)) to_integer(a.value(), field);
}

inline float to_float(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    float value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0.0f;
}

// An attribute in a namespace, whatever prefix the file binds to it. A prefix the file
// never declares counts when it is the usual one (`fallback_prefix`), so that hand-written
// files without declarations still read.
pugi::xml_attribute ns_attribute(pugi::xml_node node, std::string_view local, std::string_view uri,
                                 std::string_view fallback_prefix);

// The xsi type of a node, trimmed and upper-cased ("" when missing).
inline std::string xsi_kind(pugi::xml_node node) {
    return ascii_upper(trim(ns_attribute(node, "type", Xsi_Namespace, "xsi").value()));
}

// Elements only: comments, processing instructions and stray text are not entries.
inline bool is_entry(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

} // namespace kestrion::iodd_xml
