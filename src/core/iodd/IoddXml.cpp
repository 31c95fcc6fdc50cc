#include "iodd/IoddXml.h"

namespace kestrion::iodd_xml {

pugi::xml_attribute ns_attribute(pugi::xml_node node, std::string_view local, std::string_view uri,
                                 std::string_view fallback_prefix) {
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
        const std::string_view name = a.name();
        const std::size_t colon = name.find(':');
        if (colon == std::string_view::npos || name.substr(colon + 1) != local) continue;
        const std::string_view prefix = name.substr(0, colon);
        if (prefix == "xmlns") continue;
        // The nearest declaration of the prefix decides; the walk goes up the few levels
        // between the node and the root, never down.
        const std::string declaration = "xmlns:" + std::string(prefix);
        bool declared = false;
        for (pugi::xml_node n = node; n.type() == pugi::node_element; n = n.parent()) {
            if (const pugi::xml_attribute d = n.attribute(declaration.c_str())) {
                declared = true;
                if (uri == d.value()) return a;
                break;
            }
        }
        if (!declared && prefix == fallback_prefix) return a;
    }
    return {};
}

} // namespace kestrion::iodd_xml
