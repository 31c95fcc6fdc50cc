#include "params/ParGenCheck.h"
#include "platform/AtomicFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace kestrion {
namespace {

struct Rule {
    const char* what;
    std::function<void(ParGen&)> change;
    int expected; // text number of the first failure, 0 when the values pass
};

ParGen mstp() {
    ParGen p;
    p.BACnet_Type = 1;
    return p;
}

void run(const ParGen& base, const std::vector<Rule>& rules) {
    const TextTable texts;
    for (const auto& rule : rules) {
        ParGen p = base;
        rule.change(p);
        const auto finding = Controllo_Dati(p, texts);
        EXPECT_EQ(finding ? finding->text_number : 0, rule.expected) << rule.what;
        if (finding) {
            EXPECT_EQ(finding->message, texts[rule.expected]) << rule.what;
            EXPECT_TRUE(finding->is_error()) << rule.what;
        }
    }
}

} // namespace

TEST(ParGenCheck, DefaultsPassInBothTypes) {
    const TextTable texts;
    EXPECT_FALSE(Controllo_Dati(ParGen{}, texts));
    EXPECT_FALSE(Controllo_Dati(mstp(), texts));
}

TEST(ParGenCheck, RulesCommonToBothTypes) {
    const std::vector<Rule> rules{
        {"DNS off: bad DNS passes", [](ParGen& p) { p.Eth_Conn_Primary_DNS[0] = "300"; }, 0},
        {"DNS on: primary 1",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS[0] = "300";
         },
         1113},
        {"DNS on: primary 4",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS[3] = "";
         },
         1116},
        {"DNS on: secondary 1",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS[0] = "-1";
         },
         1117},
        {"DNS on: secondary 4",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS[3] = "1.5";
         },
         1120},
        {"DNS before Ethernet",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Secondary_DNS[2] = "256";
             p.Ethernet_IP[0] = "256";
         },
         1119},
        {"DNS octets 0 and 255 pass",
         [](ParGen& p) {
             p.Eth_Conn_Enable_DNS = true;
             p.Eth_Conn_Primary_DNS = {"0", "255", "0", "255"};
         },
         0},
        {"Ethernet IP 1", [](ParGen& p) { p.Ethernet_IP[0] = "a"; }, 858},
        {"Ethernet IP 4", [](ParGen& p) { p.Ethernet_IP[3] = "256"; }, 861},
        {"Ethernet mask 1", [](ParGen& p) { p.Ethernet_SM[0] = "999"; }, 862},
        {"Ethernet mask 4", [](ParGen& p) { p.Ethernet_SM[3] = ""; }, 865},
        {"Ethernet checked with DHCP set",
         [](ParGen& p) {
             p.Eth_Conn_DHCP_Cable = true;
             p.Ethernet_SM[1] = "x";
         },
         863},
        {"Ethernet gateway off: passes",
         [](ParGen& p) {
             p.Ethernet_GAT = {"a", "b", "", ""};
         },
         0},
        {"Ethernet gateway 1",
         [](ParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT[0] = "a";
         },
         866},
        {"Ethernet gateway 4",
         [](ParGen& p) {
             p.Ethernet_EN_GAT = true;
             p.Ethernet_GAT[3] = "300";
         },
         869},
        {"unchecked values",
         [](ParGen& p) {
             p.Eth_Conn_Device_Name = "any thing-at all!";
             p.IOLink_SelectDevice = "nonsense";
             p.BACnet_Ser_Baudrate = 99;
             p.BACnet_Ser_Parity = 99;
             p.WebServer_Username = "#";
             p.WebServer_Password = " ";
         },
         0},
    };
    run(ParGen{}, rules);
    run(mstp(), rules);
}

TEST(ParGenCheck, BacnetIpRules) {
    run(ParGen{}, {
                      {"IP 1", [](ParGen& p) { p.BACnet_IP[0] = "256"; }, 927},
                      {"IP 4", [](ParGen& p) { p.BACnet_IP[3] = ""; }, 930},
                      {"mask 1", [](ParGen& p) { p.BACnet_SM[0] = "-5"; }, 931},
                      {"mask 4", [](ParGen& p) { p.BACnet_SM[3] = "x"; }, 934},
                      {"gateway off: letters pass",
                       [](ParGen& p) {
                           p.BACnet_GAT = {"a", "b", "c", "d"};
                       },
                       0},
                      {"gateway on: 1",
                       [](ParGen& p) {
                           p.BACnet_EN_GAT = true;
                           p.BACnet_GAT = {"a", "b", "c", "d"};
                       },
                       935},
                      {"gateway on: 4",
                       [](ParGen& p) {
                           p.BACnet_EN_GAT = true;
                           p.BACnet_GAT[3] = "256";
                       },
                       938},
                      {"port 0", [](ParGen& p) { p.BACnet_PORT = "0"; }, 0},
                      {"port 65535", [](ParGen& p) { p.BACnet_PORT = "65535"; }, 0},
                      {"port 65536", [](ParGen& p) { p.BACnet_PORT = "65536"; }, 939},
                      {"port 10000", [](ParGen& p) { p.BACnet_PORT = "10000"; }, 939},
                      {"port 10001", [](ParGen& p) { p.BACnet_PORT = "10001"; }, 939},
                      {"port 9999", [](ParGen& p) { p.BACnet_PORT = "9999"; }, 0},
                      {"port empty", [](ParGen& p) { p.BACnet_PORT = ""; }, 939},
                      {"name with hyphen", [](ParGen& p) { p.BACnet_NAME_STA = "dev-1"; }, 940},
                      {"name with blank", [](ParGen& p) { p.BACnet_NAME_STA = "dev 1"; }, 940},
                      {"name mixed case", [](ParGen& p) { p.BACnet_NAME_STA = "Dev1AZaz09"; }, 0},
                      {"name empty", [](ParGen& p) { p.BACnet_NAME_STA = ""; }, 0},
                      {"identifier 4194303", [](ParGen& p) { p.BACnet_DEV_IDE = "4194303"; }, 0},
                      {"identifier 4194304", [](ParGen& p) { p.BACnet_DEV_IDE = "4194304"; }, 941},
                      {"identifier empty", [](ParGen& p) { p.BACnet_DEV_IDE = ""; }, 941},
                      {"MS/TP values not checked",
                       [](ParGen& p) {
                           p.BACnet_Ser_ID = "128";
                           p.BACnet_Ser_NAME_STA = "a-b";
                           p.BACnet_Ser_Network = "0";
                       },
                       0},
                      {"first failure wins: mask before port",
                       [](ParGen& p) {
                           p.BACnet_SM[2] = "256";
                           p.BACnet_PORT = "10000";
                       },
                       933},
                  });
}

TEST(ParGenCheck, MstpRules) {
    run(mstp(),
        {
            {"name with hyphen", [](ParGen& p) { p.BACnet_Ser_NAME_STA = "a-b"; }, 940},
            {"name empty", [](ParGen& p) { p.BACnet_Ser_NAME_STA = ""; }, 0},
            {"MAC 0", [](ParGen& p) { p.BACnet_Ser_ID = "0"; }, 0},
            {"MAC 127", [](ParGen& p) { p.BACnet_Ser_ID = "127"; }, 0},
            {"MAC 128", [](ParGen& p) { p.BACnet_Ser_ID = "128"; }, 942},
            {"Max Master 0", [](ParGen& p) { p.BACnet_Ser_Max_Master = "0"; }, 943},
            {"Max Master 128", [](ParGen& p) { p.BACnet_Ser_Max_Master = "128"; }, 943},
            {"Max Info Frames 0", [](ParGen& p) { p.BACnet_Ser_Max_Info_Frames = "0"; }, 944},
            {"Max Info Frames 101", [](ParGen& p) { p.BACnet_Ser_Max_Info_Frames = "101"; }, 944},
            {"Max Info Frames 100", [](ParGen& p) { p.BACnet_Ser_Max_Info_Frames = "100"; }, 0},
            {"instance 4194303", [](ParGen& p) { p.BACnet_Ser_DEV_IDE = "4194303"; }, 0},
            {"instance 4194304", [](ParGen& p) { p.BACnet_Ser_DEV_IDE = "4194304"; }, 945},
            {"network 0", [](ParGen& p) { p.BACnet_Ser_Network = "0"; }, 946},
            {"network 65535", [](ParGen& p) { p.BACnet_Ser_Network = "65535"; }, 946},
            {"network 1", [](ParGen& p) { p.BACnet_Ser_Network = "1"; }, 0},
            {"network 65534", [](ParGen& p) { p.BACnet_Ser_Network = "65534"; }, 0},
            {"BACnet/IP values not checked",
             [](ParGen& p) {
                 p.BACnet_IP[0] = "300";
                 p.BACnet_PORT = "10000";
                 p.BACnet_NAME_STA = "a b";
                 p.BACnet_DEV_IDE = "x";
             },
             0},
            {"any type but 0 is MS/TP",
             [](ParGen& p) {
                 p.BACnet_Type = 7;
                 p.BACnet_Ser_ID = "128";
             },
             942},
            {"first failure wins: name before MAC",
             [](ParGen& p) {
                 p.BACnet_Ser_NAME_STA = "a.b";
                 p.BACnet_Ser_ID = "128";
             },
             940},
        });
}

TEST(ParGenCheck, DnsIsReportedBeforeBacnet) {
    ParGen p;
    p.Eth_Conn_Enable_DNS = true;
    p.Eth_Conn_Primary_DNS[1] = "999";
    p.BACnet_IP[0] = "999";
    EXPECT_EQ(Controllo_Dati(p, TextTable{})->text_number, 1114);
}

TEST(ParGenCheck, DeviceNameCharacters) {
    for (const char* good : {"", "abc", "ABC", "a1B2", "0123456789"})
        EXPECT_FALSE(Check_Device_Name(good)) << good;
    for (const char* bad : {"a-b", "a b", "a_b", "a.b", "\xC3\xA9", "a\tb", "@", "["})
        EXPECT_TRUE(Check_Device_Name(bad)) << bad;
}

TEST(ParGenCheck, MessagesFollowTheLanguage) {
    TextTable texts;
    texts.set(942, "Errore BACnet!! MAC");
    ParGen p = mstp();
    p.BACnet_Ser_ID = "200";
    EXPECT_EQ(Controllo_Dati(p, texts)->message, "Errore BACnet!! MAC");
}

TEST(ParGenCheck, ProjectFileCheck) {
    TempDir temp;
    const std::filesystem::path dir = temp.path();
    const TextTable texts;
    const auto write = [&](const std::string& bytes) {
        ASSERT_TRUE(write_file_atomically(dir / "ParGen.xml", bytes).ok());
    };

    EXPECT_TRUE(Check_ParGen_File(dir, texts).empty()); // no file yet: defaults are fine

    write("<Par_Gen><BACnet_Type>7</BACnet_Type><BACnet_PORT>10000</BACnet_PORT></Par_Gen>");
    auto findings = Check_ParGen_File(dir, texts);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].text_number, 1131);
    EXPECT_EQ(findings[0].severity, Severity::Warning);
    EXPECT_EQ(findings[1].text_number, 939); // checked as the dialog would show it
    EXPECT_TRUE(findings[1].is_error());

    write("<Par_Gen><BACnet_PORT>10000");
    findings = Check_ParGen_File(dir, texts);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text_number, 1130);
    EXPECT_TRUE(findings[0].is_error());
}

} // namespace kestrion
