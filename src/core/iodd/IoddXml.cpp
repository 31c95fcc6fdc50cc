#include "iodd/IoddXml.h"

namespace kestrion::iodd_xml {

namespace {

// The element's own declaration of `prefix`, if any.
std::optional<std::string_view> declaration(pugi::xml_node node, std::string_view prefix) {
    for (pugi::xml_attribute d = node.first_attribute(); d; d = d.next_attribute()) {
        const char* name = d.name();
        if (is_declaration(name) && std::string_view(name + 6) == prefix)
            return std::string_view(d.value());
    }
    return std::nullopt;
}

// The prefix of `name` when its local part is `local`; nullopt for any other name.
std::optional<std::string_view> prefix_of(const char* name, std::string_view local) {
    // Names without a colon, the most, are passed over at their first characters.
    const char* colon = name;
    while (*colon != '\0' && *colon != ':')
        ++colon;
    if (*colon == '\0') return std::nullopt;
    const char* rest = colon + 1;
    std::size_t k = 0;
    while (k < local.size() && rest[k] == local[k])
        ++k;
    if (k != local.size() || rest[k] != '\0') return std::nullopt;
    return std::string_view(name, static_cast<std::size_t>(colon - name));
}

} // namespace

std::optional<std::string_view> PrefixScopes::binding(pugi::xml_node node, std::string_view prefix,
                                                      bool declaresNothing, pugi::xml_node from) {
    // Elements passed on the way up, which share the answer; a bounded number is kept.
    std::array<pugi::xml_node_struct*, 32> passed;
    std::size_t count = 0;
    std::optional<std::string_view> uri;
    pugi::xml_node n = node;
    if (declaresNothing) {
        const Entry& known = slot(node.internal_object());
        if (known.node == node.internal_object() && known.prefix == prefix) return known.uri;
        passed[count++] = node.internal_object();
        n = from ? from : node.parent();
    }
    for (; n.type() == pugi::node_element; n = n.parent()) {
        const Entry& known = slot(n.internal_object());
        if (known.node == n.internal_object() && known.prefix == prefix) {
            uri = known.uri;
            break;
        }
        if (count < passed.size()) passed[count++] = n.internal_object();
        if ((uri = declaration(n, prefix))) break;
    }
    for (std::size_t i = 0; i < count; ++i)
        slot(passed[i]) = {passed[i], prefix, uri};
    return uri;
}

pugi::xml_attribute ns_attribute(PrefixScopes& scopes, pugi::xml_node node, std::string_view local,
                                 std::string_view uri, std::string_view fallback_prefix,
                                 pugi::xml_node from) {
    // One look at every attribute finds the first candidate and tells whether the element
    // declares any prefix itself.
    pugi::xml_attribute first;
    bool declares = false;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const char* name = a.name();
        if (is_declaration(name))
            declares = true;
        else if (!first && prefix_of(name, local))
            first = a;
    }
    for (pugi::xml_attribute a = first; a; a = a.next_attribute()) {
        const auto prefix = prefix_of(a.name(), local);
        if (!prefix || *prefix == "xmlns") continue;
        const auto bound =
            declares ? scopes.binding(node, *prefix) : scopes.binding(node, *prefix, true, from);
        if (bound ? *bound == uri : *prefix == fallback_prefix) return a;
    }
    return {};
}

} // namespace kestrion::iodd_xml
