#pragma once
#include "params/DeviceVariants.h"

#include <array>
#include <string>
#include <string_view>

namespace kestrion {

// Four octets of a dotted IPv4 address, leftmost byte first, each as typed.
using Octets = std::array<std::string, 4>;

// Entries of the three fixed lists whose position is stored (index values).
inline constexpr std::array<std::string_view, 2> BACnet_Type_Names{"BACnet/IP", "BACnet MS/TP"};
inline constexpr std::array<std::string_view, 6> Baudrate_Names{"9600",  "19200", "38400",
                                                                "57600", "76800", "115200"};
inline constexpr std::array<std::string_view, 3> Parity_Names{"NONE", "ODD", "EVEN"};

// Longest texts the converter keeps; the dialog's fields stop typing there.
inline constexpr int Max_Host_Name = 31;
inline constexpr int Max_BACnet_Device_Name = 15;
inline constexpr int Max_WebServer_Text = 7;

// The converter's communication parameters of one project, as kept in ParGen.xml.
// Numbers, octets and names stay the text the user typed: they are converted only by the
// check and by the image compiler, so a wrong entry survives to be shown and corrected.
// Flags and list choices are what the dialog's check boxes and lists hold.
struct ParGen {
    // Ethernet Connection: the converter's network identity.
    std::string Eth_Conn_Device_Name;
    bool Eth_Conn_DHCP_Cable = false;
    bool Eth_Conn_DHCP_WiFi = false; // this hardware has no Wi-Fi: always clear
    bool Eth_Conn_Enable_DNS = false;
    Octets Eth_Conn_Primary_DNS{"8", "8", "8", "8"};
    Octets Eth_Conn_Secondary_DNS{"8", "8", "4", "4"};

    std::string IOLink_SelectDevice = IOLink_Device_List(0).front();

    // Ethernet: the IP interface in MS/TP mode.
    Octets Ethernet_IP{"192", "168", "0", "10"};
    Octets Ethernet_SM{"255", "255", "255", "0"};
    Octets Ethernet_GAT{"192", "168", "0", "1"};
    bool Ethernet_EN_GAT = false;

    // BACnet slave. BACnet_Type: 0 BACnet/IP, 1 MS/TP (any other value counts as MS/TP).
    int BACnet_Type = 0;
    Octets BACnet_IP{"192", "168", "0", "5"};
    Octets BACnet_SM{"255", "255", "255", "0"};
    Octets BACnet_GAT{"192", "168", "0", "1"};
    bool BACnet_EN_GAT = false;
    std::string BACnet_PORT = "47808";
    std::string BACnet_NAME_STA = "devicename1";
    std::string BACnet_DEV_IDE = "1";
    int BACnet_Ser_Baudrate = 3; // 57600
    int BACnet_Ser_Parity = 0;   // NONE
    std::string BACnet_Ser_ID = "0";
    std::string BACnet_Ser_NAME_STA = "devicename1";
    std::string BACnet_Ser_Max_Master = "1";
    std::string BACnet_Ser_Max_Info_Frames = "1";
    std::string BACnet_Ser_DEV_IDE = "1";
    std::string BACnet_Ser_Network = "1";
    bool BACnet_Desc_Chars_Limit = false;
    bool BACnet_EN_BBMD = false;
    bool BACnet_EN_FDR = false;

    std::string WebServer_Username;
    std::string WebServer_Password;

    bool is_mstp() const { return BACnet_Type != 0; }
    bool operator==(const ParGen&) const = default;
};

} // namespace kestrion
