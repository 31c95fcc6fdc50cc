#include "iodd/IoddXml.h"

namespace kestrion::iodd_xml {

namespace {

// The element's own declaration of `prefix`, if any.
std::optional<std::string_view> declaration(pugi::xml_node node, std::string_view prefix) {
    for (pugi::xml_attribute d = node.first_attribute(); d; d = d.next_attribute()) {
        const char* name = d.name();
        if (name[0] != 'x' || name[1] != 'm' || name[2] != 'l' || name[3] != 'n' ||
            name[4] != 's' || name[5] != ':')
            continue;
        if (std::string_view(name + 6) == prefix) return std::string_view(d.value());
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> PrefixScopes::binding(pugi::xml_node node,
                                                      std::string_view prefix) {
    // Elements passed on the way up, which share the answer; a bounded number is kept.
    std::array<pugi::xml_node_struct*, 32> passed;
    std::size_t count = 0;
    std::optional<std::string_view> uri;
    for (pugi::xml_node n = node; n.type() == pugi::node_element; n = n.parent()) {
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
                                 std::string_view uri, std::string_view fallback_prefix) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        // Names without a colon, the most, are passed over at their first characters.
        const char* name = a.name();
        const char* colon = name;
        while (*colon != '\0' && *colon != ':')
            ++colon;
        if (*colon == '\0') continue;
        const char* rest = colon + 1;
        std::size_t k = 0;
        while (k < local.size() && rest[k] == local[k])
            ++k;
        if (k != local.size() || rest[k] != '\0') continue;
        const std::string_view prefix(name, static_cast<std::size_t>(colon - name));
        if (prefix == "xmlns") continue;
        const auto bound = scopes.binding(node, prefix);
        if (bound ? *bound == uri : prefix == fallback_prefix) return a;
    }
    return {};
}

} // namespace kestrion::iodd_xml
