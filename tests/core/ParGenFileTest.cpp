#include "params/ParGenFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace kestrion {
namespace {

namespace fs = std::filesystem;

std::string read(const fs::path& file) {
    std::string bytes;
    EXPECT_TRUE(read_file(file, bytes));
    return bytes;
}

// The file a new project gets when OK is pressed without a change, written out by hand.
const std::string kDefaultFile =
    "<Par_Gen>"
    "<Eth_Conn_Device_Name/>"
    "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable>"
    "<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
    "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
    "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1>"
    "<Eth_Conn_Primary_DNS2>8</Eth_Conn_Primary_DNS2>"
    "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3>"
    "<Eth_Conn_Primary_DNS4>8</Eth_Conn_Primary_DNS4>"
    "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
    "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
    "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
    "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
    "<IOLink_SelectDevice>GX30412-A1-4A</IOLink_SelectDevice>"
    "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
    "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>10</Ethernet_IP4>"
    "<Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
    "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4>"
    "<Ethernet_GAT1>192</Ethernet_GAT1><Ethernet_GAT2>168</Ethernet_GAT2>"
    "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
    "<Ethernet_EN_GAT>0</Ethernet_EN_GAT>"
    "<Ethernet_DNS1>192</Ethernet_DNS1><Ethernet_DNS2>168</Ethernet_DNS2>"
    "<Ethernet_DNS3>0</Ethernet_DNS3><Ethernet_DNS4>5</Ethernet_DNS4>"
    "<Ethernet_EN_DNS>0</Ethernet_EN_DNS>"
    "<Ethernet_TCP_Port/><Ethernet_UDP_Port/>"
    "<BACnet_Type>0</BACnet_Type>"
    "<BACnet_IP1>192</BACnet_IP1><BACnet_IP2>168</BACnet_IP2>"
    "<BACnet_IP3>0</BACnet_IP3><BACnet_IP4>5</BACnet_IP4>"
    "<BACnet_SM1>255</BACnet_SM1><BACnet_SM2>255</BACnet_SM2>"
    "<BACnet_SM3>255</BACnet_SM3><BACnet_SM4>0</BACnet_SM4>"
    "<BACnet_GAT1>192</BACnet_GAT1><BACnet_GAT2>168</BACnet_GAT2>"
    "<BACnet_GAT3>0</BACnet_GAT3><BACnet_GAT4>1</BACnet_GAT4>"
    "<BACnet_EN_GAT>0</BACnet_EN_GAT>"
    "<BACnet_PORT>47808</BACnet_PORT>"
    "<BACnet_NAME_STA>devicename1</BACnet_NAME_STA>"
    "<BACnet_DEV_IDE>1</BACnet_DEV_IDE>"
    "<BACnet_Ser_Baudrate>3</BACnet_Ser_Baudrate>"
    "<BACnet_Ser_Parity>0</BACnet_Ser_Parity>"
    "<BACnet_Ser_ID>0</BACnet_Ser_ID>"
    "<BACnet_Ser_NAME_STA>devicename1</BACnet_Ser_NAME_STA>"
    "<BACnet_Ser_Max_Master>1</BACnet_Ser_Max_Master>"
    "<BACnet_Ser_Max_Info_Frames>1</BACnet_Ser_Max_Info_Frames>"
    "<BACnet_Ser_DEV_IDE>1</BACnet_Ser_DEV_IDE>"
    "<BACnet_Ser_Network>1</BACnet_Ser_Network>"
    "<BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit>"
    "<BACnet_EN_BBMD>0</BACnet_EN_BBMD>"
    "<BACnet_EN_FDR>0</BACnet_EN_FDR>"
    "<WebServer_Username/><WebServer_Password/>"
    "</Par_Gen>"
    "<!--SW_VERSION = 1.100-->";

// A set in which every value differs from its default, all within their fields' limits.
ParGen every_value_changed() {
    ParGen p;
    p.Eth_Conn_Device_Name = "host-\xC3\xA9t\xC3\xA9 & <co>";
    p.Eth_Conn_DHCP_Cable = true;
    p.Eth_Conn_Enable_DNS = true;
    p.Eth_Conn_Primary_DNS = {"1", "2", "3", "4"};
    p.Eth_Conn_Secondary_DNS = {"5", "6", "7", "x"};
    p.IOLink_SelectDevice = "GX30412-A1-6A";
    p.Ethernet_IP = {"10", "11", "12", "13"};
    p.Ethernet_SM = {"255", "255", "0", "0"};
    p.Ethernet_GAT = {"10", "11", "12", " 1"};
    p.Ethernet_EN_GAT = true;
    p.BACnet_Type = 1;
    p.BACnet_IP = {"172", "16", "1", "2"};
    p.BACnet_SM = {"255", "240", "0", "0"};
    p.BACnet_GAT = {"172", "16", "0", "254"};
    p.BACnet_EN_GAT = true;
    p.BACnet_PORT = "47809";
    p.BACnet_NAME_STA = "ipname";
    p.BACnet_DEV_IDE = "77";
    p.BACnet_Ser_Baudrate = 5;
    p.BACnet_Ser_Parity = 2;
    p.BACnet_Ser_ID = "12";
    p.BACnet_Ser_NAME_STA = "mstpname";
    p.BACnet_Ser_Max_Master = "127";
    p.BACnet_Ser_Max_Info_Frames = "100";
    p.BACnet_Ser_DEV_IDE = "4194303";
    p.BACnet_Ser_Network = "65534";
    p.BACnet_Desc_Chars_Limit = true;
    p.BACnet_EN_BBMD = true;
    p.BACnet_EN_FDR = true;
    p.WebServer_Username = "admin";
    p.WebServer_Password = "p\xC3\xA4ss";
    return p;
}

ParGenLoad parse_children(const std::string& children) {
    return parse_ParGen("<Par_Gen>" + children + "</Par_Gen>");
}

} // namespace

TEST(ParGenFile, MissingFileGivesEveryDefault) {
    TempDir dir;
    const ParGenLoad load = load_ParGen(dir.path() / "ParGen.xml");
    EXPECT_EQ(load.source, ParGenSource::Missing);
    EXPECT_TRUE(load.notices.empty());
    const ParGen& p = load.values;
    EXPECT_EQ(p.Eth_Conn_Device_Name, "");
    EXPECT_FALSE(p.Eth_Conn_DHCP_Cable || p.Eth_Conn_DHCP_WiFi || p.Eth_Conn_Enable_DNS);
    EXPECT_EQ(p.Eth_Conn_Primary_DNS, (Octets{"8", "8", "8", "8"}));
    EXPECT_EQ(p.Eth_Conn_Secondary_DNS, (Octets{"8", "8", "4", "4"}));
    EXPECT_EQ(p.IOLink_SelectDevice, "GX30412-A1-4A");
    EXPECT_EQ(p.BACnet_Type, 0);
    EXPECT_EQ(p.BACnet_IP, (Octets{"192", "168", "0", "5"}));
    EXPECT_EQ(p.BACnet_SM, (Octets{"255", "255", "255", "0"}));
    EXPECT_EQ(p.BACnet_GAT, (Octets{"192", "168", "0", "1"}));
    EXPECT_FALSE(p.BACnet_EN_GAT);
    EXPECT_EQ(p.BACnet_PORT, "47808");
    EXPECT_EQ(p.BACnet_NAME_STA, "devicename1");
    EXPECT_EQ(p.BACnet_DEV_IDE, "1");
    EXPECT_EQ(Baudrate_Names[static_cast<size_t>(p.BACnet_Ser_Baudrate)], "57600");
    EXPECT_EQ(Parity_Names[static_cast<size_t>(p.BACnet_Ser_Parity)], "NONE");
    EXPECT_EQ(p.BACnet_Ser_ID, "0");
    EXPECT_EQ(p.BACnet_Ser_NAME_STA, "devicename1");
    EXPECT_EQ(p.BACnet_Ser_Max_Master, "1");
    EXPECT_EQ(p.BACnet_Ser_Max_Info_Frames, "1");
    EXPECT_EQ(p.BACnet_Ser_DEV_IDE, "1");
    EXPECT_EQ(p.BACnet_Ser_Network, "1");
    EXPECT_EQ(p.Ethernet_IP, (Octets{"192", "168", "0", "10"}));
    EXPECT_EQ(p.Ethernet_SM, (Octets{"255", "255", "255", "0"}));
    EXPECT_EQ(p.Ethernet_GAT, (Octets{"192", "168", "0", "1"}));
    EXPECT_FALSE(p.Ethernet_EN_GAT || p.BACnet_Desc_Chars_Limit || p.BACnet_EN_BBMD ||
                 p.BACnet_EN_FDR);
    EXPECT_EQ(p.WebServer_Username, "");
    EXPECT_EQ(p.WebServer_Password, "");
}

TEST(ParGenFile, DefaultsAreWrittenByteExact) {
    EXPECT_EQ(ParGen_xml(ParGen{}), kDefaultFile);
    // Reading the written file back gives the defaults again, without a notice.
    const ParGenLoad load = parse_ParGen(kDefaultFile);
    EXPECT_EQ(load.source, ParGenSource::Read);
    EXPECT_TRUE(load.notices.empty());
    EXPECT_EQ(load.values, ParGen{});
}

TEST(ParGenFile, RoundTripKeepsEveryValueAndTheBytes) {
    TempDir dir;
    const fs::path file = dir.path() / "ParGen.xml";
    const ParGen original = every_value_changed();
    ASSERT_TRUE(save_ParGen(file, original).ok());
    const std::string first = read(file);

    const ParGenLoad load = load_ParGen(file);
    EXPECT_EQ(load.source, ParGenSource::Read);
    EXPECT_TRUE(load.notices.empty());
    EXPECT_EQ(load.values, original);

    ASSERT_TRUE(save_ParGen(file, load.values).ok());
    EXPECT_EQ(read(file), first);
}

TEST(ParGenFile, ElementOrderDoesNotDependOnTheType) {
    ParGen mstp;
    mstp.BACnet_Type = 1;
    std::string expected = kDefaultFile;
    const std::string ip = "<BACnet_Type>0</BACnet_Type>";
    expected.replace(expected.find(ip), ip.size(), "<BACnet_Type>1</BACnet_Type>");
    EXPECT_EQ(ParGen_xml(mstp), expected);
}

TEST(ParGenFile, ToleratesHandEditedValues) {
    struct Case {
        const char* what;
        std::string children;
        std::function<void(const ParGen&)> expect;
    };
    const Case cases[] = {
        {"flags: only exactly 1 sets",
         "<Eth_Conn_DHCP_Cable>true</Eth_Conn_DHCP_Cable><Eth_Conn_Enable_DNS> 1"
         "</Eth_Conn_Enable_DNS><BACnet_EN_GAT>1</BACnet_EN_GAT><BACnet_EN_FDR>01</BACnet_EN_FDR>",
         [](const ParGen& p) {
             EXPECT_FALSE(p.Eth_Conn_DHCP_Cable);
             EXPECT_FALSE(p.Eth_Conn_Enable_DNS);
             EXPECT_TRUE(p.BACnet_EN_GAT);
             EXPECT_FALSE(p.BACnet_EN_FDR);
         }},
        {"Wi-Fi DHCP is always clear", "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>",
         [](const ParGen& p) { EXPECT_FALSE(p.Eth_Conn_DHCP_WiFi); }},
        {"variant looked up in the MS/TP list",
         "<BACnet_Type>1</BACnet_Type><IOLink_SelectDevice>GX30412-A1-8A</IOLink_SelectDevice>",
         [](const ParGen& p) { EXPECT_EQ(p.IOLink_SelectDevice, "GX30412-A1-4A"); }},
        {"variant found without regard to case",
         "<IOLink_SelectDevice>gx30412-a1-4a-2b</IOLink_SelectDevice>",
         [](const ParGen& p) { EXPECT_EQ(p.IOLink_SelectDevice, "GX30412-A1-4A-2B"); }},
        {"an empty index takes its default",
         "<BACnet_Ser_Parity></BACnet_Ser_Parity><BACnet_Type> </BACnet_Type>",
         [](const ParGen& p) {
             EXPECT_EQ(p.BACnet_Ser_Parity, 0);
             EXPECT_EQ(p.BACnet_Type, 0);
         }},
        {"valid indexes",
         "<BACnet_Type>1</BACnet_Type><BACnet_Ser_Baudrate>0</BACnet_Ser_Baudrate>"
         "<BACnet_Ser_Parity>2</BACnet_Ser_Parity>",
         [](const ParGen& p) {
             EXPECT_EQ(p.BACnet_Type, 1);
             EXPECT_EQ(p.BACnet_Ser_Baudrate, 0);
             EXPECT_EQ(p.BACnet_Ser_Parity, 2);
         }},
        {"texts taken as they stand, an empty element is empty",
         "<BACnet_PORT></BACnet_PORT><BACnet_DEV_IDE> 12 </BACnet_DEV_IDE>"
         "<BACnet_NAME_STA/><Ethernet_IP1>abc</Ethernet_IP1>",
         [](const ParGen& p) {
             EXPECT_EQ(p.BACnet_PORT, "");
             EXPECT_EQ(p.BACnet_DEV_IDE, " 12 ");
             EXPECT_EQ(p.BACnet_NAME_STA, "");
             EXPECT_EQ(p.Ethernet_IP[0], "abc");
             EXPECT_EQ(p.Ethernet_IP[1], "168"); // its neighbours keep their defaults
         }},
        {"an element holding elements reads as missing",
         "<BACnet_PORT><x>1</x></BACnet_PORT><BACnet_EN_BBMD><b>1</b></BACnet_EN_BBMD>",
         [](const ParGen& p) {
             EXPECT_EQ(p.BACnet_PORT, "47808");
             EXPECT_FALSE(p.BACnet_EN_BBMD);
         }},
        {"the first of repeated elements counts",
         "<BACnet_DEV_IDE>5</BACnet_DEV_IDE><BACnet_DEV_IDE>6</BACnet_DEV_IDE>",
         [](const ParGen& p) { EXPECT_EQ(p.BACnet_DEV_IDE, "5"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ParGenLoad load = parse_children(c.children);
        EXPECT_EQ(load.source, ParGenSource::Read);
        EXPECT_TRUE(load.notices.empty());
        c.expect(load.values);
    }
}

TEST(ParGenFile, RootNameAndOrderDoNotMatter) {
    const ParGenLoad load = parse_ParGen(
        "<!-- note --><Anything><BACnet_PORT>1234</BACnet_PORT><BACnet_Type>1</BACnet_Type>"
        "</Anything>");
    EXPECT_EQ(load.values.BACnet_PORT, "1234");
    EXPECT_EQ(load.values.BACnet_Type, 1);
}

TEST(ParGenFile, NonNumericIndexTakesItsDefaultAndSaysSo) {
    const ParGenLoad load = parse_children(
        "<BACnet_Type>one</BACnet_Type><BACnet_Ser_Baudrate>2.0</BACnet_Ser_Baudrate>");
    EXPECT_EQ(load.values.BACnet_Type, 0);
    EXPECT_EQ(load.values.BACnet_Ser_Baudrate, 3);
    using K = ParGenNotice::Kind;
    const std::vector<ParGenNotice> expected{
        {K::OutOfList, "BACnet_Type", "one", "BACnet/IP"},
        {K::OutOfList, "BACnet_Ser_Baudrate", "2.0", "57600"},
    };
    EXPECT_EQ(load.notices, expected);
}

TEST(ParGenFile, IndexOutsideItsListFallsBackAndSaysSo) {
    const ParGenLoad load =
        parse_children("<BACnet_Type>7</BACnet_Type><BACnet_Ser_Baudrate>6</BACnet_Ser_Baudrate>"
                       "<BACnet_Ser_Parity>-1</BACnet_Ser_Parity>"
                       "<IOLink_SelectDevice>GX30412-A1-8A</IOLink_SelectDevice>");
    EXPECT_EQ(load.values.BACnet_Type, 0);
    EXPECT_EQ(load.values.BACnet_Ser_Baudrate, 3);
    EXPECT_EQ(load.values.BACnet_Ser_Parity, 0);
    // Shown as BACnet/IP, the variant is looked up in that type's list.
    EXPECT_EQ(load.values.IOLink_SelectDevice, "GX30412-A1-8A");
    using K = ParGenNotice::Kind;
    const std::vector<ParGenNotice> expected{
        {K::OutOfList, "BACnet_Type", "7", "BACnet/IP"},
        {K::OutOfList, "BACnet_Ser_Baudrate", "6", "57600"},
        {K::OutOfList, "BACnet_Ser_Parity", "-1", "NONE"},
    };
    EXPECT_EQ(load.notices, expected);
    EXPECT_NE(ParGen_xml(load.values).find("<BACnet_Type>0</BACnet_Type>"), std::string::npos);
}

TEST(ParGenFile, OverLongNamesAreShortenedToTheirFieldsAndSaySo) {
    const std::string host(40, 'h');
    const ParGenLoad load = parse_children(
        "<Eth_Conn_Device_Name>" + host + "</Eth_Conn_Device_Name>" +
        "<BACnet_NAME_STA>abcdefghijklmnop</BACnet_NAME_STA>" +
        "<BACnet_Ser_NAME_STA>abcdefghijklmno</BACnet_Ser_NAME_STA>" + // exactly 15: kept
        "<WebServer_Password>\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"
        "</WebServer_Password>");
    EXPECT_EQ(load.values.Eth_Conn_Device_Name, std::string(31, 'h'));
    EXPECT_EQ(load.values.BACnet_NAME_STA, "abcdefghijklmno");
    EXPECT_EQ(load.values.BACnet_Ser_NAME_STA, "abcdefghijklmno");
    // Seven characters of two bytes each: cut between characters, never inside one.
    EXPECT_EQ(load.values.WebServer_Password,
              "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4");
    ASSERT_EQ(load.notices.size(), 3u);
    EXPECT_EQ(load.notices[0].element, "Eth_Conn_Device_Name");
    EXPECT_EQ(load.notices[0].stored, host);
    EXPECT_EQ(load.notices[1].element, "BACnet_NAME_STA");
    EXPECT_EQ(load.notices[2].element, "WebServer_Password");
    EXPECT_EQ(load.notices[2].kind, ParGenNotice::Kind::TooLong);
}

TEST(ParGenFile, NamesAreMeasuredAsTheFieldsMeasureThem) {
    // Seven characters, the last beyond the Basic Multilingual Plane: eight units in a field.
    const ParGenLoad load =
        parse_children("<WebServer_Username>abcdef\xF0\x9F\x98\x80</WebServer_Username>");
    EXPECT_EQ(load.values.WebServer_Username, "abcdef");
    ASSERT_EQ(load.notices.size(), 1u);
}

TEST(ParGenFile, NotXmlGivesDefaultsAndANotice) {
    for (const std::string& bytes :
         {std::string("<Par_Gen><BACnet_Type>1</BACnet_Type>"), std::string(""),
          std::string("plain text"), std::string("<a></b>"), std::string("\xFF\xFE\x00", 3)}) {
        const ParGenLoad load = parse_ParGen(bytes);
        EXPECT_EQ(load.source, ParGenSource::Unreadable);
        EXPECT_EQ(load.values, ParGen{});
        ASSERT_EQ(load.notices.size(), 1u);
        EXPECT_EQ(load.notices[0].kind, ParGenNotice::Kind::NotXml);
    }
    // A folder where the file should be cannot be read either.
    TempDir dir;
    fs::create_directory(dir.path() / "ParGen.xml");
    EXPECT_EQ(load_ParGen(dir.path() / "ParGen.xml").source, ParGenSource::Unreadable);
}

TEST(ParGenFile, SavingDropsUnknownElementsAndWritesFixedInactiveOnes) {
    const ParGenLoad load = parse_children(
        "<Extra>keep me?</Extra><Ethernet_DNS1>10</Ethernet_DNS1><Ethernet_EN_DNS>1"
        "</Ethernet_EN_DNS><Ethernet_TCP_Port>502</Ethernet_TCP_Port>"
        "<Ethernet_UDP_Port>503</Ethernet_UDP_Port><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>");
    EXPECT_EQ(ParGen_xml(load.values), kDefaultFile);
}

TEST(ParGenFile, FailedWriteIsReportedAndLeavesNoFile) {
    TempDir dir;
    const fs::path file = dir.path() / "no-such-folder" / "ParGen.xml";
    const WriteResult result = save_ParGen(file, ParGen{});
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find("ParGen.xml"), std::string::npos);
    EXPECT_FALSE(fs::exists(file));
}

TEST(ParGenFile, NoticesAreWordedFromTheTextTable) {
    TextTable texts;
    using K = ParGenNotice::Kind;
    const Finding notXml = describe({K::NotXml, "", "", ""}, texts);
    EXPECT_EQ(notXml.text_number, 1130);
    EXPECT_TRUE(notXml.is_error());

    const Finding outOfList = describe({K::OutOfList, "BACnet_Type", "7", "BACnet/IP"}, texts);
    EXPECT_EQ(outOfList.text_number, 1131);
    EXPECT_EQ(outOfList.severity, Severity::Warning);
    EXPECT_EQ(outOfList.message, "Warning ParGen!! BACnet_Type holds \"7\", which is not one of "
                                 "its choices: \"BACnet/IP\" is used in its place");

    // A translation that leaves a placeholder out still gets the others in order.
    texts.set(1132, "%s zu lang");
    const Finding tooLong =
        describe({K::TooLong, "WebServer_Username", "12345678", "1234567"}, texts);
    EXPECT_EQ(tooLong.message, "WebServer_Username zu lang");
}

} // namespace kestrion
