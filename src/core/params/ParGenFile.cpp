#include "params/ParGenFile.h"

#include "texts/StringUtil.h"
#include "workspace/ModelIdentity.h"
#include "xml/XmlText.h"

#include <initializer_list>
#include <span>

namespace kestrion {
namespace {

// Elements the converter of this model never uses; they are written with fixed values so
// that the file keeps the layout every model of the family shares, and never read back.
constexpr std::array<std::string_view, 4> kFixedEthernetDns{"192", "168", "0", "5"};

std::string numbered(const char* stem, int i) {
    return stem + std::to_string(i + 1);
}

class Reader {
public:
    Reader(pugi::xml_node root, std::vector<ParGenNotice>& notices)
        : root_(root), notices_(notices) {}

    void text(const char* name, std::string& value) const {
        if (auto t = child_text(root_, name)) value = std::move(*t);
    }

    void octets(const char* stem, Octets& value) const {
        for (int i = 0; i < 4; ++i)
            text(numbered(stem, i).c_str(), value[static_cast<size_t>(i)]);
    }

    void flag(const char* name, bool& value) const { value = child_flag(root_, name); }

    // A value that is not a position in the list (no number, or a number outside it)
    // would be lost on saving, so the user hears which choice takes its place.
    void index(const char* name, int& value, std::span<const std::string_view> list) const {
        const auto t = child_text(root_, name);
        if (!t || trim(*t).empty()) return; // nothing there to lose
        const auto n = parse_integer(*t);
        if (n && *n >= 0 && *n < static_cast<long long>(list.size())) {
            value = static_cast<int>(*n);
            return;
        }
        notices_.push_back({ParGenNotice::Kind::OutOfList, name, *t,
                            std::string(list[static_cast<size_t>(value)])});
    }

private:
    pugi::xml_node root_;
    std::vector<ParGenNotice>& notices_;
};

// Counted as the edit fields count: an accented letter is one, a character beyond the
// Basic Multilingual Plane (a four-byte sequence) is two.
void fit(const char* name, std::string& value, size_t maxChars,
         std::vector<ParGenNotice>& notices) {
    size_t chars = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value[i]);
        if ((byte & 0xC0) == 0x80) continue;
        chars += byte >= 0xF0 ? 2 : 1;
        if (chars > maxChars) {
            notices.push_back({ParGenNotice::Kind::TooLong, name, value, value.substr(0, i)});
            value.resize(i);
            return;
        }
    }
}

// Fills the "%s" placeholders of a text in order; a translation may drop some of them.
std::string fill(std::string pattern, std::initializer_list<std::string_view> args) {
    size_t at = 0;
    for (std::string_view arg : args) {
        at = pattern.find("%s", at);
        if (at == std::string::npos) break;
        pattern.replace(at, 2, arg);
        at += arg.size();
    }
    return pattern;
}

} // namespace

ParGenLoad parse_ParGen(std::string_view bytes) {
    ParGenLoad out;
    out.source = ParGenSource::Read;
    pugi::xml_document doc;
    if (!load_xml(doc, bytes)) {
        out.source = ParGenSource::Unreadable;
        out.notices.push_back({ParGenNotice::Kind::NotXml, "", "", ""});
        return out;
    }
    ParGen& p = out.values;
    const Reader r(first_element(doc), out.notices);

    r.text("Eth_Conn_Device_Name", p.Eth_Conn_Device_Name);
    r.flag("Eth_Conn_DHCP_Cable", p.Eth_Conn_DHCP_Cable);
    p.Eth_Conn_DHCP_WiFi = false;
    r.flag("Eth_Conn_Enable_DNS", p.Eth_Conn_Enable_DNS);
    r.octets("Eth_Conn_Primary_DNS", p.Eth_Conn_Primary_DNS);
    r.octets("Eth_Conn_Secondary_DNS", p.Eth_Conn_Secondary_DNS);

    r.octets("Ethernet_IP", p.Ethernet_IP);
    r.octets("Ethernet_SM", p.Ethernet_SM);
    r.octets("Ethernet_GAT", p.Ethernet_GAT);
    r.flag("Ethernet_EN_GAT", p.Ethernet_EN_GAT);

    r.index("BACnet_Type", p.BACnet_Type, BACnet_Type_Names);
    r.octets("BACnet_IP", p.BACnet_IP);
    r.octets("BACnet_SM", p.BACnet_SM);
    r.octets("BACnet_GAT", p.BACnet_GAT);
    r.flag("BACnet_EN_GAT", p.BACnet_EN_GAT);
    r.text("BACnet_PORT", p.BACnet_PORT);
    r.text("BACnet_NAME_STA", p.BACnet_NAME_STA);
    r.text("BACnet_DEV_IDE", p.BACnet_DEV_IDE);
    r.index("BACnet_Ser_Baudrate", p.BACnet_Ser_Baudrate, Baudrate_Names);
    r.index("BACnet_Ser_Parity", p.BACnet_Ser_Parity, Parity_Names);
    r.text("BACnet_Ser_ID", p.BACnet_Ser_ID);
    r.text("BACnet_Ser_NAME_STA", p.BACnet_Ser_NAME_STA);
    r.text("BACnet_Ser_Max_Master", p.BACnet_Ser_Max_Master);
    r.text("BACnet_Ser_Max_Info_Frames", p.BACnet_Ser_Max_Info_Frames);
    r.text("BACnet_Ser_DEV_IDE", p.BACnet_Ser_DEV_IDE);
    r.text("BACnet_Ser_Network", p.BACnet_Ser_Network);
    r.flag("BACnet_Desc_Chars_Limit", p.BACnet_Desc_Chars_Limit);
    r.flag("BACnet_EN_BBMD", p.BACnet_EN_BBMD);
    r.flag("BACnet_EN_FDR", p.BACnet_EN_FDR);

    r.text("WebServer_Username", p.WebServer_Username);
    r.text("WebServer_Password", p.WebServer_Password);

    // The variant list depends on the type, so the type must be known first.
    std::string stored;
    r.text("IOLink_SelectDevice", stored);
    p.IOLink_SelectDevice = Select_Device(stored, p.BACnet_Type);

    fit("Eth_Conn_Device_Name", p.Eth_Conn_Device_Name, Max_Host_Name, out.notices);
    fit("BACnet_NAME_STA", p.BACnet_NAME_STA, Max_BACnet_Device_Name, out.notices);
    fit("BACnet_Ser_NAME_STA", p.BACnet_Ser_NAME_STA, Max_BACnet_Device_Name, out.notices);
    fit("WebServer_Username", p.WebServer_Username, Max_WebServer_Text, out.notices);
    fit("WebServer_Password", p.WebServer_Password, Max_WebServer_Text, out.notices);
    return out;
}

ParGenLoad load_ParGen(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return {};
    std::string bytes;
    // A folder or device where the file should be reads like a file that is not XML.
    if (!std::filesystem::is_regular_file(file, ec) || !read_file(file, bytes)) {
        ParGenLoad out;
        out.source = ParGenSource::Unreadable;
        out.notices.push_back({ParGenNotice::Kind::NotXml, "", "", ""});
        return out;
    }
    return parse_ParGen(bytes);
}

std::string ParGen_xml(const ParGen& p) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Par_Gen");
    doc.append_child(pugi::node_comment)
        .set_value(("SW_VERSION = " + std::string(Program_Version)).c_str());

    const auto octets = [&](const char* stem, const auto& values) {
        for (int i = 0; i < 4; ++i)
            append_text(root, numbered(stem, i).c_str(), values[static_cast<size_t>(i)]);
    };
    const auto index = [&](const char* name, int value) {
        append_text(root, name, std::to_string(value));
    };

    append_text(root, "Eth_Conn_Device_Name", p.Eth_Conn_Device_Name);
    append_flag(root, "Eth_Conn_DHCP_Cable", p.Eth_Conn_DHCP_Cable);
    append_flag(root, "Eth_Conn_DHCP_WiFi", false);
    append_flag(root, "Eth_Conn_Enable_DNS", p.Eth_Conn_Enable_DNS);
    octets("Eth_Conn_Primary_DNS", p.Eth_Conn_Primary_DNS);
    octets("Eth_Conn_Secondary_DNS", p.Eth_Conn_Secondary_DNS);
    append_text(root, "IOLink_SelectDevice", p.IOLink_SelectDevice);
    octets("Ethernet_IP", p.Ethernet_IP);
    octets("Ethernet_SM", p.Ethernet_SM);
    octets("Ethernet_GAT", p.Ethernet_GAT);
    append_flag(root, "Ethernet_EN_GAT", p.Ethernet_EN_GAT);
    octets("Ethernet_DNS", kFixedEthernetDns);
    append_flag(root, "Ethernet_EN_DNS", false);
    append_text(root, "Ethernet_TCP_Port", "");
    append_text(root, "Ethernet_UDP_Port", "");
    index("BACnet_Type", p.BACnet_Type);
    octets("BACnet_IP", p.BACnet_IP);
    octets("BACnet_SM", p.BACnet_SM);
    octets("BACnet_GAT", p.BACnet_GAT);
    append_flag(root, "BACnet_EN_GAT", p.BACnet_EN_GAT);
    append_text(root, "BACnet_PORT", p.BACnet_PORT);
    append_text(root, "BACnet_NAME_STA", p.BACnet_NAME_STA);
    append_text(root, "BACnet_DEV_IDE", p.BACnet_DEV_IDE);
    index("BACnet_Ser_Baudrate", p.BACnet_Ser_Baudrate);
    index("BACnet_Ser_Parity", p.BACnet_Ser_Parity);
    append_text(root, "BACnet_Ser_ID", p.BACnet_Ser_ID);
    append_text(root, "BACnet_Ser_NAME_STA", p.BACnet_Ser_NAME_STA);
    append_text(root, "BACnet_Ser_Max_Master", p.BACnet_Ser_Max_Master);
    append_text(root, "BACnet_Ser_Max_Info_Frames", p.BACnet_Ser_Max_Info_Frames);
    append_text(root, "BACnet_Ser_DEV_IDE", p.BACnet_Ser_DEV_IDE);
    append_text(root, "BACnet_Ser_Network", p.BACnet_Ser_Network);
    append_flag(root, "BACnet_Desc_Chars_Limit", p.BACnet_Desc_Chars_Limit);
    append_flag(root, "BACnet_EN_BBMD", p.BACnet_EN_BBMD);
    append_flag(root, "BACnet_EN_FDR", p.BACnet_EN_FDR);
    append_text(root, "WebServer_Username", p.WebServer_Username);
    append_text(root, "WebServer_Password", p.WebServer_Password);
    return xml_bytes(doc);
}

WriteResult save_ParGen(const std::filesystem::path& file, const ParGen& values) {
    return write_file_atomically(file, ParGen_xml(values));
}

Finding describe(const ParGenNotice& notice, const TextTable& texts) {
    switch (notice.kind) {
    case ParGenNotice::Kind::NotXml:
        return make_finding(texts, 1130, Severity::Error);
    case ParGenNotice::Kind::OutOfList: {
        Finding f = make_finding(texts, 1131, Severity::Warning);
        f.message = fill(f.message, {notice.element, notice.stored, notice.used});
        return f;
    }
    case ParGenNotice::Kind::TooLong: {
        Finding f = make_finding(texts, 1132, Severity::Warning);
        f.message = fill(f.message, {notice.element, notice.used});
        return f;
    }
    }
    return make_finding(texts, 1130, Severity::Error);
}

} // namespace kestrion
