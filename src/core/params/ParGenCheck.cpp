#include "params/ParGenCheck.h"

#include "params/ParGenFile.h"
#include "texts/StringUtil.h"

namespace kestrion {
namespace {

bool in_range(std::string_view text, long long low, long long high) {
    const long long n = number_or_minus_one(text);
    return n >= low && n <= high;
}

// Index of the first octet outside 0..255, if any.
std::optional<int> bad_octet(const Octets& octets) {
    for (int i = 0; i < 4; ++i)
        if (!in_range(octets[static_cast<size_t>(i)], 0, 255)) return i;
    return std::nullopt;
}

// A group of four octets has four consecutive texts, one per octet.
std::optional<int> octet_rule(const Octets& octets, int firstText) {
    if (const auto i = bad_octet(octets)) return firstText + *i;
    return std::nullopt;
}

bool valid_bacnet_port(std::string_view text) {
    const long long n = number_or_minus_one(text);
    return n >= 0 && n <= 65535 && n != 10000 && n != 10001;
}

std::optional<int> first_failing_rule(const ParGen& p) {
    if (p.Eth_Conn_Enable_DNS) {
        if (auto t = octet_rule(p.Eth_Conn_Primary_DNS, 1113)) return t;
        if (auto t = octet_rule(p.Eth_Conn_Secondary_DNS, 1117)) return t;
    }
    if (auto t = octet_rule(p.Ethernet_IP, 858)) return t;
    if (auto t = octet_rule(p.Ethernet_SM, 862)) return t;
    if (p.Ethernet_EN_GAT)
        if (auto t = octet_rule(p.Ethernet_GAT, 866)) return t;
    // The Ethernet TCP and UDP ports (texts 874, 875) are checked only while their fields
    // are shown, and this model never shows them.

    if (p.is_mstp()) {
        if (Check_Device_Name(p.BACnet_Ser_NAME_STA)) return 940;
        if (!in_range(p.BACnet_Ser_ID, 0, 127)) return 942;
        if (!in_range(p.BACnet_Ser_Max_Master, 1, 127)) return 943;
        if (!in_range(p.BACnet_Ser_Max_Info_Frames, 1, 100)) return 944;
        if (!in_range(p.BACnet_Ser_DEV_IDE, 0, 4194303)) return 945;
        if (!in_range(p.BACnet_Ser_Network, 1, 65534)) return 946;
        return std::nullopt;
    }
    if (auto t = octet_rule(p.BACnet_IP, 927)) return t;
    if (auto t = octet_rule(p.BACnet_SM, 931)) return t;
    if (p.BACnet_EN_GAT)
        if (auto t = octet_rule(p.BACnet_GAT, 935)) return t;
    if (!valid_bacnet_port(p.BACnet_PORT)) return 939;
    if (Check_Device_Name(p.BACnet_NAME_STA)) return 940;
    if (!in_range(p.BACnet_DEV_IDE, 0, 4194303)) return 941;
    return std::nullopt;
}

} // namespace

bool Check_Device_Name(std::string_view name) {
    for (char c : name) {
        const bool ok = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!ok) return true;
    }
    return false;
}

std::optional<Finding> Controllo_Dati(const ParGen& values, const TextTable& texts) {
    if (const auto number = first_failing_rule(values)) return make_finding(texts, *number);
    return std::nullopt;
}

std::vector<Finding> Check_ParGen_File(const std::filesystem::path& projectDir,
                                       const TextTable& texts) {
    const ParGenLoad load = load_ParGen(projectDir / "ParGen.xml");
    std::vector<Finding> findings;
    for (const auto& notice : load.notices)
        findings.push_back(describe(notice, texts));
    // Defaults stand in for an unreadable file; checking them would only say "fine".
    if (load.source == ParGenSource::Unreadable) return findings;
    if (auto error = Controllo_Dati(load.values, texts)) findings.push_back(std::move(*error));
    return findings;
}

} // namespace kestrion
