#include "iodd/IoddXml.h"

namespace kestrion::iodd_xml {

namespace {

// The element's own declaration of `prefix`, if any.
std::optional<std::string_view> declaration(pugi::xml_node node, std::string_view prefix) {
    for (pugi::xml_attribute d = node.first_attribute(); d; d = d.next_attribute()) {
        const char* name = d.name();
        if (name[0] == 'x' && std::string_view(name).substr(0, 6) == "xmlns:" &&
            std::string_view(name + 6) == prefix)
            return std::string_view(d.value());
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string_view> PrefixScopes::binding(pugi::xml_node node,
                                                      std::string_view prefix) {
    // Elements passed on the way up, which share the answer; a bounded number is kept.
    std::array<pugi::xml_node, 32> passed;
    std::size_t count = 0;
    std::optional<std::string_view> uri;
    for (pugi::xml_node n = node; n.type() == pugi::node_element; n = n.parent()) {
        const Entry& known = slot(n);
        if (known.node == n.internal_object() && known.prefix == prefix) {
            uri = known.uri;
            break;
        }
        if (count < passed.size()) passed[count++] = n;
        if ((uri = declaration(n, prefix))) break;
    }
    for (std::size_t i = 0; i < count; ++i)
        slot(passed[i]) = {passed[i].internal_object(), prefix, uri};
    return uri;
}

pugi::xml_attribute ns_attribute(PrefixScopes& scopes, pugi::xml_node node, std::string_view local,
                                 std::string_view uri, std::string_view fallback_prefix) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        const std::size_t colon = name.find(':');
        if (colon == std::string_view::npos || name.substr(colon + 1) != local) continue;
        const std::string_view prefix = name.substr(0, colon);
        if (prefix == "xmlns") continue;
        const auto bound = scopes.binding(node, prefix);
        if (bound ? *bound == uri : prefix == fallback_prefix) return a;
    }
    return {};
}

} // namespace kestrion::iodd_xml
