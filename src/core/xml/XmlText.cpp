#include "xml/XmlText.h"

#include <sstream>

namespace kestrion {

bool load_xml(pugi::xml_document& doc, std::string_view bytes) {
    const auto result = doc.load_buffer(bytes.data(), bytes.size(),
                                        pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata_single, pugi::encoding_auto);
    return static_cast<bool>(result) && first_element(doc);
}

pugi::xml_node first_element(const pugi::xml_document& doc) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling())
        if (node.type() == pugi::node_element) return node;
    return {};
}

std::optional<std::string> child_text(pugi::xml_node parent, const char* name) {
    const pugi::xml_node element = parent.child(name);
    if (!element) return std::nullopt;
    std::string text;
    for (pugi::xml_node node = element.first_child(); node; node = node.next_sibling()) {
        if (node.type() == pugi::node_element) return std::nullopt;
        if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
    }
    // A carriage return written as "&#13;" survives parsing, but would be written back
    // raw and read as a line feed next time: line ends are line feeds from the start.
    for (size_t at = text.find('\r'); at != std::string::npos; at = text.find('\r', at)) {
        if (at + 1 < text.size() && text[at + 1] == '\n') text.erase(at, 1);
        else text[at] = '\n';
    }
    return text;
}

bool child_flag(pugi::xml_node parent, const char* name) {
    const auto text = child_text(parent, name);
    return text && *text == "1";
}

void append_text(pugi::xml_node parent, const char* name, std::string_view text) {
    pugi::xml_node element = parent.append_child(name);
    if (!text.empty()) element.text().set(std::string(text).c_str());
}

void append_flag(pugi::xml_node parent, const char* name, bool set) {
    append_text(parent, name, set ? "1" : "0");
}

std::string xml_bytes(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return out.str();
}

} // namespace kestrion
