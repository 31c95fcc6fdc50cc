#pragma once
// Attribute and name conventions shared by the IODD readers. Internal to iodd/.
#include "texts/StringUtil.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

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

inline bool is_blank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u != 0 && u <= 0x20;
}

// The same for a name as pugixml holds it: a mismatch ends the comparison at its first
// differing character instead of measuring the whole name first.
inline bool loose_is(const char* name, std::string_view upper) {
    while (is_blank(*name))
        ++name;
    for (const char u : upper) {
        char c = *name;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != u) return false; // the terminator never equals a letter of `upper`
        ++name;
    }
    while (is_blank(*name))
        ++name;
    return *name == '\0';
}

// Exact comparison of a pugixml name or value with a literal, without measuring it first.
template <std::size_t N> bool is_name(const char* s, const char (&literal)[N]) {
    for (std::size_t i = 0; i + 1 < N; ++i)
        if (s[i] != literal[i]) return false;
    return s[N - 1] == '\0';
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

// The same for an attribute value as pugixml holds it. Most are a few plain digits,
// converted on the spot; anything else takes the general way.
template <class T> bool to_integer(const char* text, T& out) {
    long long value = 0;
    int digits = 0;
    for (; text[digits] >= '0' && text[digits] <= '9' && digits < 18; ++digits)
        value = value * 10 + (text[digits] - '0');
    if (digits == 0 || text[digits] != '\0') return to_integer(std::string_view(text), out);
    if constexpr (sizeof(T) < sizeof(long long) || std::is_signed_v<T>)
        if (value > static_cast<long long>(std::numeric_limits<T>::max())) return false;
    out = static_cast<T>(value);
    return true;
}

// Reads an integer attribute; a missing attribute or a text that does not convert leaves
// the field as it was.
template <class T> void read_integer(pugi::xml_node node, const char* name, T& field) {
    if (const pugi::xml_attribute a = node.attribute(name)) to_integer(a.value(), field);
}

// Whether a text is a whole number as written, whatever its size: digits with an optional
// sign, blanks around.
inline bool is_integer_text(std::string_view text) {
    text = trim(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    if (text.empty()) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

inline float to_float(std::string_view text) {
    text = trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    float value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() ? value : 0.0f;
}

// Which namespace a prefix is bound to at an element: the nearest declaration on the
// element or an ancestor. Every typed element asks, and most elements declare nothing, so
// each element is looked at once: an element that declares nothing is remembered with
// the nearest declaring ancestor, an element that declares with its own declarations,
// sorted. A question then climbs only the declaring elements (a handful at most) and
// costs the same however many attributes or prefixes a file piles up.
class PrefixScopes {
public:
    // The scope of an element, to ask binding() about; -1 for one where nothing in
    // reach declares a prefix.
    int scope_of(pugi::xml_node node);
    // The namespace bound to `prefix` in a scope; nullopt when nothing declares it.
    std::optional<std::string_view> binding(int scope, std::string_view prefix) const;

private:
    using Declaration = std::pair<std::string_view, std::string_view>; // prefix, namespace
    struct Scope {
        std::vector<Declaration> declarations; // by prefix; the first of a prefix counts
        int parent = -1;
    };
    // The scope of each element seen, by address: open addressing, as thousands of
    // elements come and go in one read.
    struct Known {
        const pugi::xml_node_struct* node = nullptr;
        int scope = -1;
    };
    Known* find(const pugi::xml_node_struct* node);
    void remember(const pugi::xml_node_struct* node, int scope);

    std::vector<Scope> scopes_;
    std::vector<Known> known_;
    std::size_t knownCount_ = 0;
    std::vector<pugi::xml_node> path_; // scratch for scope_of
    const pugi::xml_node_struct* last_ = nullptr;
    int lastScope_ = -1;
};

// Whether an attribute name declares a namespace prefix (xmlns:p).
inline bool is_declaration(const char* name) {
    return name[0] == 'x' && name[1] == 'm' && name[2] == 'l' && name[3] == 'n' && name[4] == 's' &&
           name[5] == ':';
}

// An attribute in a namespace, whatever prefix the file binds to it. A prefix the file
// never declares counts when it is the usual one (`fallback_prefix`), so that hand-written
// files without declarations still read. `from`, when given, is an ancestor of `node`
// below which the caller has seen no declaration: its scope is the scope of `node`'s
// parent, found without looking at the elements in between. `within`, when given, is set
// to the element whose scope holds for `node` (node itself when it declares a prefix): the
// `from` for its children's children, unless their parent declares something.
pugi::xml_attribute ns_attribute(PrefixScopes& scopes, pugi::xml_node node, std::string_view local,
                                 std::string_view uri, std::string_view fallback_prefix,
                                 pugi::xml_node from = {}, pugi::xml_node* within = nullptr);

inline bool is_name(const char* s, std::string_view literal) {
    for (std::size_t i = 0; i < literal.size(); ++i)
        if (s[i] != literal[i]) return false;
    return s[literal.size()] == '\0';
}

// The values of the first attributes with the given names (nullptr for a missing one),
// found in one pass instead of a search per name.
template <std::size_t N>
std::array<const char*, N> attribute_values(pugi::xml_node node,
                                            const std::array<std::string_view, N>& names) {
    std::array<const char*, N> values{};
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        for (std::size_t k = 0; k < N; ++k)
            if (is_name(name, names[k])) {
                if (!values[k]) values[k] = a.value();
                break;
            }
    }
    return values;
}

// Calls f(name, attribute) for each attribute: one pass instead of a search per name,
// for the elements that occur thousands of times. The name is pugixml's own text, to be
// compared with is_name.
template <class F> void for_each_attribute(pugi::xml_node node, F f) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        f(a.name(), a);
}

// Number of element children, to size a list before it is filled.
inline std::size_t element_count(pugi::xml_node node) {
    std::size_t n = 0;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
        n += c.type() == pugi::node_element;
    return n;
}

// Elements only: comments, processing instructions and stray text are not entries.
inline bool is_entry(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

} // namespace kestrion::iodd_xml
