// What the reader does with files that are not IODDs, broken or hostile, and which
// standard definitions it picks.
#include "TempDir.h"
#include "iodd/TIODD.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

namespace kestrion {
namespace {

const std::filesystem::path Data = std::filesystem::path(KESTRION_TEST_DATA) / "iodd";

// A minimal device file around `function` (the DeviceFunction's content).
std::string device(const std::string& function, const std::string& header = "",
                   const std::string& rootAttributes =
                       R"( xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance")") {
    return "<IODevice" + rootAttributes + ">" + header +
           R"(<ProfileBody><DeviceIdentity vendorName="V"/><DeviceFunction>)" + function +
           "</DeviceFunction></ProfileBody>"
           R"(<CommNetworkProfile><TransportLayers><PhysicalLayer bitrate="COM2"/>)"
           "</TransportLayers></CommNetworkProfile></IODevice>";
}

// `count` copies of `element`.
std::string repeated(const std::string& element, std::size_t count) {
    std::string out;
    out.reserve(element.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        out += element;
    return out;
}

std::string record_of(std::size_t items, const std::string& id = "R",
                      const std::string& item = R"(<RecordItem subindex="1"><DatatypeRef datatypeId="T"/></RecordItem>)") {
    return R"(<Datatype id=")" + id + R"(" xsi:type="RecordT" bitLength="8">)" +
           repeated(item, items) + "</Datatype>";
}

std::string array_of(const std::string& count) {
    return R"(<DatatypeCollection><Datatype id="A" xsi:type="ArrayT" count=")" + count +
           R"("><SimpleDatatype xsi:type="UIntegerT" bitLength="8"/></Datatype></DatatypeCollection>)";
}

TEST(IoddBadInput, UnusableFilesSayWhy) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* reasonPart;
    };
    const Case cases[] = {
        {"empty", "", "not well-formed XML"},
        {"not XML", "this is no XML at all", "not well-formed XML"},
        {"cut short", device("").substr(0, 60), "not well-formed XML"},
        {"other top element", "<ExternalTextDocument/>", "not an IODD"},
        {"no physical layer", "<IODevice><ProfileBody/></IODevice>", "physical layer"},
        {"texts without primary language",
         "<IODevice><ExternalTextCollection><Language/></ExternalTextCollection></IODevice>",
         "primary language"},
        {"array count of two billion", device(array_of("2147483647")), "at most 255"},
        {"array count past 32 bits", device(array_of("99999999999")), "at most 255"},
        {"array count 256", device(array_of("256")), "at most 255"},
        {"array count past 64 bits", device(array_of("99999999999999999999")), "at most 255"},
        {"negative array count", device(array_of("-1")), "at most 255"},
        {"array count in a variable",
         device(R"(<VariableCollection><Variable id="V" index="70"><Datatype xsi:type="ArrayT" )"
                R"(count="1000"/></Variable></VariableCollection>)"),
         "at most 255"},
        {"array count in process data",
         device(R"(<ProcessDataCollection><ProcessData><ProcessDataIn><Datatype )"
                R"(xsi:type="ArrayT" count="70000"/></ProcessDataIn></ProcessData>)"
                R"(</ProcessDataCollection>)"),
         "at most 255"},
        // What the model builds is bounded: each row is just above a bound.
        {"record of 256 items",
         device("<DatatypeCollection>" + record_of(256) + "</DatatypeCollection>"),
         "record data type \"R\" has 256 items; an IO-Link record holds at most 255"},
        {"record items past the bound for the file",
         // Bare items, so the file stays below the size limit.
         device("<DatatypeCollection>" + repeated(record_of(255, "R", "<RecordItem/>"), 1028) +
                record_of(5, "R", "<RecordItem/>") + "</DatatypeCollection>"),
         "more than 262144 record items"},
        {"record item infos of a variable",
         device(R"(<VariableCollection><Variable id="V">)" +
                repeated(R"(<RecordItemInfo subindex="1"/>)", 256) +
                "</Variable></VariableCollection>"),
         "\"V\" describes more than 255 record items"},
        {"variables",
         device("<VariableCollection>" + repeated("<Variable/>", 65537) + "</VariableCollection>"),
         "more than 65536 variables"},
        {"data types",
         device("<DatatypeCollection>" + repeated("<Datatype/>", 65537) + "</DatatypeCollection>"),
         "more than 65536 data types"},
        {"process-data layouts",
         device("<ProcessDataCollection>" + repeated("<P/>", 1025) + "</ProcessDataCollection>"),
         "more than 1024 process-data layouts"},
        {"events",
         device("<EventCollection>" + repeated(R"(<Event code="1"/>)", 65537) +
                "</EventCollection>"),
         "more than 65536 events"},
        {"permitted values",
         device(R"(<DatatypeCollection><Datatype xsi:type="UIntegerT">)" +
                repeated("<a/>", (1u << 20) + 1) + "</Datatype></DatatypeCollection>"),
         "more than 1048576 permitted values"},
        {"menus",
         device("<UserInterface><MenuCollection>" + repeated("<Menu/>", 65537) +
                "</MenuCollection></UserInterface>"),
         "more than 65536 menus"},
        {"menu entries",
         device("<UserInterface><MenuCollection>" +
                repeated("<Menu>" + repeated("<VariableRef/>", 65536) + "</Menu>", 4) +
                "<Menu><VariableRef/></Menu></MenuCollection></UserInterface>"),
         "more than 262144 menu entries"},
        {"device variants",
         R"(<IODevice><ProfileBody><DeviceIdentity><DeviceVariantCollection>)" +
             repeated("<DeviceVariant/>", 4097) +
             "</DeviceVariantCollection></DeviceIdentity></ProfileBody></IODevice>",
         "more than 4096 device variants"},
        {"texts",
         R"(<IODevice><ExternalTextCollection><PrimaryLanguage xml:lang="en">)" +
             repeated("<T/>", (1u << 20) + 1) +
             "</PrimaryLanguage></ExternalTextCollection></IODevice>",
         "more than 1048576 texts"},
        // A reason shows file text on one line.
        {"line breaks in an id",
         device(R"(<DatatypeCollection><Datatype id="A&#10;B&#13;C" xsi:type="ArrayT" )"
                R"(count="256"/></DatatypeCollection>)"),
         "\"A B C\" has 256 elements"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TIODD d;
        const IoddResult r = d.Decode_IODD_Bytes(c.bytes, false);
        EXPECT_EQ(r.status, IoddResult::Status::Unusable);
        EXPECT_NE(r.reason.find(c.reasonPart), std::string::npos) << r.reason;
        EXPECT_TRUE(d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType.empty());
    }
}

TEST(IoddBadInput, ArrayCountAtTheLimitReads) {
    TIODD d;
    ASSERT_TRUE(d.Decode_IODD_Bytes(device(array_of("255")), false).ok());
    EXPECT_EQ(
        d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType[0].ComplexDataType->Count,
        255);
    ASSERT_TRUE(d.Decode_IODD_Bytes(device(array_of("many")), false).ok()); // no number: 0
}

TEST(IoddBadInput, BoundsLeaveRealSizesReadable) {
    TIODD d;
    ASSERT_TRUE(
        d.Decode_IODD_Bytes(
             device("<DatatypeCollection>" + record_of(255) + "</DatatypeCollection>"), false)
            .ok());
    EXPECT_EQ(d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType.at(0)
                  .ComplexDataType->Arr_RecItem.size(),
              255u);
    // A long id is cut short in the reason.
    const IoddResult r =
        d.Decode_IODD_Bytes(device("<DatatypeCollection>" + record_of(256, std::string(5000, 'x')) +
                                   "</DatatypeCollection>"),
                            false);
    EXPECT_FALSE(r.ok());
    EXPECT_LT(r.reason.size(), 300u) << r.reason;
}

TEST(IoddBadInput, AFailedReadLeavesTheModelEmpty) {
    TIODD d;
    d.StandardDef_Path = Data / "stddef";
    ASSERT_TRUE(d.Decode_IODD(Data / "device-rules.xml", false).ok());
    const IoddResult r = d.Decode_IODD_Bytes("<IODevice><ProfileBody>", false);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(d.ProfileBody.DeviceIdentity.FVendorName.empty());
    EXPECT_EQ(d.ExtTextCol.size(), 0u);
    EXPECT_TRUE(d.SD_EventCollection.Event_List.empty());
    EXPECT_EQ(d.StandardDef_Path, Data / "stddef"); // the caller's setting stays

    const IoddResult missing = d.Decode_IODD(Data / "no-such-file.xml", false);
    EXPECT_EQ(missing.status, IoddResult::Status::Missing);
    EXPECT_TRUE(d.IODD_FileName.empty());
}

TEST(IoddBadInput, FilesBeyondSixteenMegabytesAreRefusedUnread) {
    // Padding in a comment: well-formed, so only the size can refuse it.
    const std::string head = "<IODevice><!--";
    const std::string tail = "--></IODevice>";
    std::string bytes = head + std::string((16u << 20) - head.size() - tail.size() + 1, 'x') + tail;
    TIODD d;
    const IoddResult r = d.Decode_IODD_Bytes(bytes, true);
    EXPECT_EQ(r.status, IoddResult::Status::Unusable);
    EXPECT_NE(r.reason.find("too large"), std::string::npos) << r.reason;

    TempDir dir;
    dir.write("huge.xml", bytes);
    EXPECT_NE(d.Decode_IODD(dir.path() / "huge.xml", true).reason.find("too large"), std::string::npos);
}

TEST(IoddBadInput, DeepAndWideInputsDoNotExhaustTheStack) {
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<RecordItem>";
    for (int i = 0; i < 200000; ++i)
        deep += "</RecordItem>";
    const std::string function = R"(<DatatypeCollection><Datatype xsi:type="RecordT">)" + deep +
                                 "</Datatype></DatatypeCollection>";
    TIODD d;
    EXPECT_TRUE(d.Decode_IODD_Bytes(device(function), false).ok());

    std::string wide = "<EventCollection>";
    for (int i = 0; i < 50000; ++i)
        wide += R"(<Event code="1"/>)";
    wide += "</EventCollection>";
    ASSERT_TRUE(d.Decode_IODD_Bytes(device(wide), false).ok());
    EXPECT_EQ(d.ProfileBody.DeviceFunction.EventCollection.Event_List.size(), 50000u);
}

TEST(IoddBadInput, NoExternalEntityIsLoaded) {
    const std::string file =
        "<!DOCTYPE IODevice [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>" + device("");
    std::string withEntity = file;
    withEntity.replace(withEntity.find("vendorName=\"V\""), 14, "vendorName=\"&secret;\"");
    TIODD d;
    ASSERT_TRUE(d.Decode_IODD_Bytes(withEntity, false).ok());
    EXPECT_EQ(d.ProfileBody.DeviceIdentity.FVendorName, "&secret;"); // left as written
}

TEST(IoddNamespaces, TheXsiTypeIsFoundByItsNamespace) {
    struct Case {
        const char* what;
        std::string root;
        std::string datatypeAttributes;
        TActualSimpleDataType expected;
    };
    const std::string xsi = "http://www.w3.org/2001/XMLSchema-instance";
    const Case cases[] = {
        {"usual prefix", " xmlns:xsi=\"" + xsi + "\"", R"(xsi:type="BooleanT")", asdtBooleanT},
        {"other prefix", " xmlns:s=\"" + xsi + "\"", R"(s:type="BooleanT")", asdtBooleanT},
        {"declared on the element", "", " xmlns:q=\"" + xsi + R"(" q:type="BooleanT")",
         asdtBooleanT},
        {"usual prefix, undeclared", "", R"(xsi:type="BooleanT")", asdtBooleanT},
        {"usual prefix, other namespace", R"( xmlns:xsi="urn:other")", R"(xsi:type="BooleanT")",
         asdtNONE},
        {"inner declaration wins", R"( xmlns:xsi="urn:other")",
         " xmlns:xsi=\"" + xsi + R"(" xsi:type="BooleanT")", asdtBooleanT},
        {"no prefix", " xmlns:xsi=\"" + xsi + "\"", R"(type="BooleanT")", asdtNONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TIODD d;
        const std::string function = "<DatatypeCollection><Datatype id=\"T\" " +
                                     c.datatypeAttributes + "/></DatatypeCollection>";
        ASSERT_TRUE(d.Decode_IODD_Bytes(device(function, "", c.root), false).ok());
        const TDataType& t = d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType.at(0);
        const TActualSimpleDataType got =
            t.SimpleDataType ? t.SimpleDataType->ActualSimpleDataType : asdtNONE;
        EXPECT_EQ(got, c.expected);
    }
}

// Every attribute and every declaration is looked at a bounded number of times: files
// with thousands of prefixed attributes, or ancestors with thousands of attributes, read
// at once. (Looking them up anew for each candidate took minutes for these.)
TEST(IoddNamespaces, ManyPrefixesAndAttributesReadInOnePass) {
    const std::string xsi = "http://www.w3.org/2001/XMLSchema-instance";
    constexpr int Many = 50000;
    // One type declaring a prefix, with thousands of other prefixed type attributes
    // before its xsi type.
    std::string own = R"(<Datatype id="Own" xmlns:z="urn:z")";
    for (int k = 0; k < Many; ++k)
        own += " p" + std::to_string(k) + ":type=\"BooleanT\"";
    own += " xsi:type=\"UIntegerT\" bitLength=\"8\"/>";
    // Thousands of attributes on the collection, and types each asking for a new prefix.
    std::string collection = "<DatatypeCollection";
    for (int k = 0; k < Many; ++k)
        collection += " a" + std::to_string(k) + "=\"\"";
    collection += ">" + own;
    for (int k = 0; k < Many; ++k)
        collection += "<Datatype q" + std::to_string(k) + ":type=\"BooleanT\"/>";
    collection += "</DatatypeCollection>";
    TIODD d;
    ASSERT_TRUE(d.Decode_IODD_Bytes(device(collection), false).ok());
    const auto& types = d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType;
    ASSERT_EQ(types.size(), static_cast<std::size_t>(Many) + 1);
    ASSERT_TRUE(types[0].SimpleDataType);
    EXPECT_EQ(types[0].SimpleDataType->ActualSimpleDataType, asdtUIntegerT);
    EXPECT_FALSE(types[1].SimpleDataType); // q0 is bound to nothing
}

// The types of variables and record items are found without re-reading every ancestor;
// a declaration on the variable or on the record item in between must still count.
TEST(IoddNamespaces, DeclarationsBetweenCollectionAndTypeCount) {
    struct Case {
        const char* what;
        std::string variableAttributes, recordType, itemAttributes, itemType;
        TActualComplexDataType record;
        TActualSimpleDataType item;
    };
    const std::string xsi = "http://www.w3.org/2001/XMLSchema-instance";
    const Case cases[] = {
        {"root declaration", "", R"(xsi:type="RecordT")", "", R"(xsi:type="UIntegerT")",
         acdtRecordT, asdtUIntegerT},
        {"variable binds another prefix", " xmlns:v=\"" + xsi + "\"", R"(v:type="RecordT")", "",
         R"(v:type="UIntegerT")", acdtRecordT, asdtUIntegerT},
        {"variable rebinds xsi", R"( xmlns:xsi="urn:other")", R"(xsi:type="RecordT")", "",
         R"(xsi:type="UIntegerT")", acdtNONE, asdtNONE},
        {"record item binds another prefix", "", R"(xsi:type="RecordT")",
         " xmlns:r=\"" + xsi + "\"", R"(r:type="UIntegerT")", acdtRecordT, asdtUIntegerT},
        {"record item rebinds xsi", "", R"(xsi:type="RecordT")", R"( xmlns:xsi="urn:other")",
         R"(xsi:type="UIntegerT")", acdtRecordT, asdtNONE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string function =
            "<VariableCollection><Variable id=\"V\" index=\"64\"" + c.variableAttributes +
            "><Datatype " + c.recordType + " bitLength=\"8\"><RecordItem subindex=\"1\"" +
            c.itemAttributes + "><SimpleDatatype " + c.itemType +
            " bitLength=\"8\"/></RecordItem></Datatype></Variable></VariableCollection>";
        TIODD d;
        ASSERT_TRUE(d.Decode_IODD_Bytes(device(function), false).ok());
        const TVariable& v = d.ProfileBody.DeviceFunction.VariableCollection.Var_List.at(0);
        ASSERT_TRUE(v.DataType && v.DataType->ComplexDataType);
        const TComplexDataType& record = *v.DataType->ComplexDataType;
        EXPECT_EQ(record.ActualComplexDataType, c.record);
        const TActualSimpleDataType item =
            record.Arr_RecItem.empty() ? asdtNONE
                                       : record.Arr_RecItem[0].SimpleTD.ActualSimpleDataType;
        EXPECT_EQ(item, c.item);
    }
}

TEST(IoddStandardDefinitions, TheProfileRevisionPicksTheFile) {
    const auto system_command = [](const std::string& header, const std::filesystem::path& dir) {
        TIODD d;
        d.StandardDef_Path = dir;
        const std::string refs =
            R"(<VariableCollection><StdVariableRef id="V_SystemCommand"/></VariableCollection>)";
        EXPECT_TRUE(d.Decode_IODD_Bytes(device(refs, header), false).ok());
        const TVariable& ref = d.ProfileBody.DeviceFunction.VariableCollection.StdVar_List.at(0);
        const TVariable* standard = ref.Get_Index_Var_Ref(d);
        return standard ? d.GetDesc_ExtTextCol(true, standard->Name) : std::string("(none)");
    };
    const auto header = [](const char* revision) {
        return std::string("<ProfileHeader><ProfileRevision>") + revision +
               "</ProfileRevision></ProfileHeader>";
    };
    EXPECT_EQ(system_command(header("1.1"), Data / "stddef"), "System Command");
    EXPECT_EQ(system_command(header("1.00"), Data / "stddef"), "System Command 1.0.1");
    EXPECT_EQ(system_command("", Data / "stddef"), "System Command 1.0.1");
    EXPECT_EQ(system_command(header(" 1.1"), Data / "stddef"), "System Command 1.0.1");
    // Revision 1.1 with only the 1.0.1 file at hand reads no standard definitions.
    EXPECT_EQ(system_command(header("1.1"), Data / "stddef-only-101"), "(none)");
    EXPECT_EQ(system_command(header("1.1"), Data / "no-such-folder"), "(none)");
}

TEST(IoddStandardDefinitions, ABrokenFileMakesTheDeviceUnusable) {
    TIODD d;
    d.StandardDef_Path = Data / "stddef-broken";
    const IoddResult r = d.Decode_IODD_Bytes(device(""), false);
    EXPECT_EQ(r.status, IoddResult::Status::Unusable);
    EXPECT_NE(r.reason.find("IODD-StandardDefinitions1.0.1.xml"), std::string::npos) << r.reason;
    // The catalog's quick read does not need them.
    EXPECT_TRUE(d.Decode_IODD_Bytes(device(""), true).ok());

    TIODD other;
    EXPECT_FALSE(other.Read_StandardDef_Bytes("<IODevice/>").ok());
    EXPECT_FALSE(other.Read_StandardDef_Bytes("<IODDStandardDefinitions>").ok());
    EXPECT_FALSE(other
                     .Read_StandardDef_Bytes("<IODDStandardDefinitions><ExternalTextCollection/>"
                                             "</IODDStandardDefinitions>")
                     .ok());
}

// Standard definitions are kept between reads; a file that changes is read again, and a
// file that turns bad makes the next device unusable instead of serving the old texts.
TEST(IoddStandardDefinitions, AChangedFileIsReadAgain) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("kestrion-stddef-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "IODD-StandardDefinitions1.0.1.xml";
    const auto write = [&](const std::string& text) {
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            << R"(<IODDStandardDefinitions><ExternalTextCollection><PrimaryLanguage xml:lang="en">)"
               R"(<Text id="STD_X" value=")"
            << text
            << R"("/></PrimaryLanguage></ExternalTextCollection></IODDStandardDefinitions>)";
    };
    const auto text = [&] {
        TIODD d;
        d.StandardDef_Path = dir;
        if (!d.Decode_IODD_Bytes(device(""), false).ok()) return std::string("(unusable)");
        return d.GetDesc_ExtTextCol(true, "STD_X");
    };
    write("first");
    EXPECT_EQ(text(), "first");
    EXPECT_EQ(text(), "first");
    write("second, longer");
    EXPECT_EQ(text(), "second, longer");
    // Same size, only the modification time tells the change.
    const auto before = std::filesystem::last_write_time(file);
    write("third, longer!");
    std::filesystem::last_write_time(file, before + std::chrono::seconds(2));
    EXPECT_EQ(text(), "third, longer!");
    std::ofstream(file, std::ios::binary | std::ios::trunc) << "<IODDStandardDefinitions>";
    EXPECT_EQ(text(), "(unusable)");
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

} // namespace
} // namespace kestrion
