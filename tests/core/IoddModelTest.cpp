// Lookups and naming operations of the IODD model, on models built by hand.
#include "iodd/TIODD.h"

#include <gtest/gtest.h>

namespace kestrion {
namespace {

TDataType simple(TActualSimpleDataType kind, const char* id = "") {
    TDataType t;
    t.SimpleDataType.emplace();
    t.SimpleDataType->ActualSimpleDataType = kind;
    t.SimpleDataType->Id = id;
    return t;
}

TDataType complex(TActualComplexDataType kind, const char* id = "") {
    TDataType t;
    t.IsSimpleDataType = false;
    t.ComplexDataType.emplace();
    t.ComplexDataType->ActualComplexDataType = kind;
    t.ComplexDataType->Id = id;
    return t;
}

TVariable variable_of(TDataType type) {
    TVariable v;
    v.DataType = std::move(type);
    return v;
}

TEST(IoddModel, TypeNamesAndLengths) {
    TIODD d;
    struct Row {
        TDataType type;
        const char* name;
        const char* length;
    };
    TDataType uint12 = simple(asdtUIntegerT);
    uint12.SimpleDataType->BitLength = 12;
    TDataType string10 = simple(asdtStringT);
    string10.SimpleDataType->FixedLength = 80; // a fixedLength of 10 bytes
    TDataType record = complex(acdtRecordT);
    record.ComplexDataType->BitLength = 48;
    const Row rows[] = {
        {simple(asdtBooleanT), "BooleanT", "1"},
        {uint12, "UIntegerT", "12"},
        {simple(asdtFloat32T), "Float32T", "32"},
        {string10, "StringT", "80"},
        {simple(asdtTimeT), "TimeT", ""},
        {simple(asdtTimeSpanT), "TimeSpanT", "64"},
        {simple(asdtNONE), "None", ""},
        {complex(acdtArrayT), "ArrayT", ""},
        {record, "RecordT", "48"},
        {complex(acdtNONE), "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const TVariable v = variable_of(r.type);
        EXPECT_EQ(v.Get_DataType(d, false), r.name);
        EXPECT_EQ(v.Get_Length(d, false), r.length);
    }
    EXPECT_EQ(TComplexDataType{}.Get_ActualComplexDataType(), "None");
}

TEST(IoddModel, ReferencesResolveInTheCollectionTheCallerNames) {
    TIODD d;
    TDataType uint8 = simple(asdtUIntegerT, "D_Byte");
    uint8.SimpleDataType->BitLength = 8;
    d.ProfileBody.DeviceFunction.DataTypeCollection.ListDataType.push_back(uint8);
    TDataType stdRecord = complex(acdtRecordT, "D_Byte");
    stdRecord.ComplexDataType->BitLength = 16;
    stdRecord.ComplexDataType->SubIndexAccessSupPresent = true;
    d.SD_DataTypeCollection.ListDataType.push_back(stdRecord);

    TDataType ref;
    ref.IsDataTypeRef = true;
    ref.Ref_DataTypeId = "D_Byte";
    const TVariable v = variable_of(ref);
    EXPECT_EQ(v.Get_DataType(d, false), "UIntegerT");
    EXPECT_EQ(v.Get_Length(d, false), "8");
    EXPECT_EQ(v.Get_SubIndAccSup(d, false), "False");
    EXPECT_EQ(v.Get_DataType(d, true), "RecordT");
    EXPECT_EQ(v.Get_Length(d, true), "16");
    EXPECT_EQ(v.Get_SubIndAccSup(d, true), "True");

    // Ids compare exactly; an unknown id names nothing.
    EXPECT_EQ(d.ProfileBody.DeviceFunction.DataTypeCollection.GetDTIndex("d_byte"), -1);
    EXPECT_EQ(TIODD::Find_DataType("D_Byte", d.SD_DataTypeCollection), 0);
    TDataType unknown = ref;
    unknown.Ref_DataTypeId = "D_Other";
    EXPECT_EQ(variable_of(unknown).Get_DataType(d, false), "");
    EXPECT_EQ(variable_of(unknown).Get_Length(d, false), "");
    EXPECT_EQ(variable_of(unknown).Get_SubIndAccSup(d, false), "False");

    // A record item's simple reference to a complex type has no simple name.
    TSimpleDataType item;
    item.IsSimpleDataRef = true;
    item.DataTypeId = "D_Byte";
    EXPECT_EQ(item.Get_ActualSimpleDataType(d, false), "UIntegerT");
    EXPECT_EQ(item.Get_ActualSimpleDataType(d, true), "");
}

TEST(IoddModel, AccessRightsWording) {
    TRecordItem item;
    item.AccessRightRestriction = arWO;
    EXPECT_EQ(item.GetAccessRightRestrictionStr(), "Write Only");
    TVariable v;
    EXPECT_EQ(v.Get_AccessRights(), "Read Write");
    v.AccessRights = arRO;
    EXPECT_EQ(v.Get_AccessRights(), "Read Only");
}

TEST(IoddModel, BitRateAndCycleTime) {
    const std::pair<const char*, int> rates[] = {{"COM2", 2},          {"com3 ", 3}, {" COM 1", 1},
                                                 {"38.4 kbit/s", 0},   {"COMx", 0},  {"", 0},
                                                 {"COM99999999999", 0}};
    for (const auto& [text, expected] : rates) {
        TPhysicalLayer p;
        p.fBitRate = text;
        EXPECT_EQ(p.Get_BitRate(), expected) << text;
    }
    TPhysicalLayer p;
    p.fMinCycleTime = "2300";
    EXPECT_EQ(p.Get_MinCycleTime(), 2300);
    p.fMinCycleTime = "2.3ms";
    EXPECT_EQ(p.Get_MinCycleTime(), 0);
}

TEST(IoddModel, StandardEventsOutliveWhicheverCopyGoesFirst) {
    TIODD copy;
    {
        TIODD d;
        auto event = std::make_shared<TEventData>();
        event->Code_ = 16912;
        event->Name = "STD_TN_Temperature";
        d.SD_EventCollection.Event_List.push_back(event);
        d.ProfileBody.DeviceFunction.EventCollection.StdEventRef_List.push_back(
            d.Get_Event_SD_Ref(16912));
        EXPECT_EQ(d.ProfileBody.DeviceFunction.EventCollection.StdEventRef_List[0].get(),
                  d.Get_Event_SD(16912));
        copy = d;
    }
    // The copy still holds the event; address sanitizer builds catch any dangling use.
    ASSERT_EQ(copy.ProfileBody.DeviceFunction.EventCollection.StdEventRef_List.size(), 1u);
    EXPECT_EQ(copy.ProfileBody.DeviceFunction.EventCollection.StdEventRef_List[0]->Name,
              "STD_TN_Temperature");
    EXPECT_EQ(copy.Get_Event_SD(16912)->Code_, 16912);
    EXPECT_EQ(copy.Get_Event_SD(1), nullptr);
}

} // namespace
} // namespace kestrion

namespace kestrion {
namespace {

TEST(IoddTexts, ManyTextsWithDuplicatesAndRefill) {
    TExtTextCol texts;
    for (int round = 0; round < 2; ++round) {
        texts.Erase_All();
        for (int i = 0; i < 5000; ++i)
            texts.Add("TN_" + std::to_string(i % 4000), "text " + std::to_string(i));
        ASSERT_EQ(texts.size(), 5000u);
        EXPECT_EQ(texts.Find_ID("TN_3999"), 3999);
        EXPECT_EQ(texts.Find_ID("TN_10"), 10); // the first of two
        EXPECT_EQ(texts.id(4010), "TN_10");
        EXPECT_EQ(texts.value(4010), "text 4010");
        std::string value;
        EXPECT_TRUE(texts.Get_Value_From_ID("TN_10", value));
        EXPECT_EQ(value, "text 10");
        EXPECT_EQ(texts.Find_ID("TN_4000"), -1);
    }
    TExtTextCol empty;
    EXPECT_EQ(empty.Find_ID(""), -1);
    EXPECT_FALSE(empty.find("x").has_value());
}

} // namespace
} // namespace kestrion
