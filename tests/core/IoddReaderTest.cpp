// Reading rules of the IODD reader, shown on one small device (device-rules.xml) and
// small standard definitions (stddef/).
#include "iodd/TIODD.h"

#include <gtest/gtest.h>

namespace kestrion {
namespace {

const std::filesystem::path Data = std::filesystem::path(KESTRION_TEST_DATA) / "iodd";

class IoddRules : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        iodd_ = new TIODD;
        iodd_->StandardDef_Path = Data / "stddef";
        const IoddResult result = iodd_->Decode_IODD(Data / "device-rules.xml", false);
        ASSERT_TRUE(result.ok()) << result.reason;
    }
    static void TearDownTestSuite() { delete iodd_; }

    static const TDeviceFunction& function() { return iodd_->ProfileBody.DeviceFunction; }
    static const TDataType& type(const char* id) {
        const auto& list = function().DataTypeCollection;
        const int at = list.GetDTIndex(id);
        EXPECT_GE(at, 0) << id;
        return list.ListDataType.at(static_cast<std::size_t>(at));
    }
    static const TVariable& variable(const char* id) {
        const TVariable* v = function().VariableCollection.Get_Variables_IDs(id, *iodd_);
        EXPECT_NE(v, nullptr) << id;
        return *v;
    }

    static TIODD* iodd_;
};

TIODD* IoddRules::iodd_ = nullptr;

TEST_F(IoddRules, HeaderIdentityFeaturesAndPhysicalLayer) {
    const TIODD& d = *iodd_;
    EXPECT_EQ(d.IODD_FileName, Data / "device-rules.xml");
    EXPECT_EQ(d.DocumentInfo.FVersion, "V1.2");
    EXPECT_EQ(d.DocumentInfo.FCopyright, "Kestrion tests");
    EXPECT_EQ(d.ProfileHeader.FProfileRevision, prPR11);
    EXPECT_EQ(d.ProfileHeader.FProfileClassID, "Device");
    EXPECT_EQ(d.ProfileHeader.FProfileTechnology, "IODD");

    const TDeviceIdentity& id = d.ProfileBody.DeviceIdentity;
    EXPECT_EQ(id.FVendorId, "1234");
    EXPECT_EQ(id.FVendorName, "Acme Sensors");
    EXPECT_EQ(id.FVendorLogo, "acme-logo.png");
    EXPECT_EQ(id.FDeviceName, "TI_DeviceName");
    EXPECT_EQ(d.GetDesc_ExtTextCol(false, id.FDeviceName), "Level Sensor \"L1\" – Ω");
    ASSERT_EQ(id.DeviceVariant_List.size(), 2u); // only elements named DeviceVariant
    EXPECT_EQ(id.DeviceVariant_List[0].FDeviceIcon, "p1-icon.png");
    EXPECT_EQ(id.DeviceVariant_List[0].FDescription, "TD_Variant1");
    EXPECT_EQ(id.DeviceVariant_List[1].FProductId, "P-2");
    EXPECT_EQ(id.DeviceVariant_List[1].FName, "");

    // Only the exact text "true" sets a feature.
    const TFeatures& f = function().Features;
    EXPECT_FALSE(f.FBlockParameter); // "TRUE"
    EXPECT_TRUE(f.FDataStorage);
    EXPECT_TRUE(f.FSAL_LocalUserInterface);
    EXPECT_FALSE(f.FSAL_DataStorage);
    EXPECT_TRUE(f.FSAL_Parameter);
    EXPECT_FALSE(f.FSAL_LocalParameterization); // "yes"

    // baudrate wins over bitrate; sioSupported alone is compared loosely.
    EXPECT_EQ(d.PhysicalLayer.fBitRate, "com3 ");
    EXPECT_EQ(d.PhysicalLayer.Get_BitRate(), 3);
    EXPECT_EQ(d.PhysicalLayer.Get_MinCycleTime(), 2300);
    EXPECT_TRUE(d.PhysicalLayer.fSIOSupported);
    EXPECT_EQ(d.PhysicalLayer.fMSequenceCapability, "27");
}

TEST_F(IoddRules, SimpleTypesAndPermittedValues) {
    EXPECT_EQ(function().DataTypeCollection.ListDataType.size(), 8u); // the DatatypeRef is dropped

    const TSimpleDataType& name = *type("D_Name").SimpleDataType;
    EXPECT_EQ(name.ActualSimpleDataType, asdtStringT);
    EXPECT_EQ(name.FixedLength, 128u); // 16 bytes, held in bits
    EXPECT_EQ(name.Encodig, "UTF-8");
    EXPECT_EQ(name.Get_Length(*iodd_, false), "128");

    const auto& flags = type("D_Switch").SimpleDataType->SingleValueRange;
    ASSERT_EQ(flags.size(), 2u); // a ValueRange under BooleanT adds nothing
    EXPECT_TRUE(std::get<TBooleanValueT>(flags[0]).Value);
    EXPECT_EQ(std::get<TBooleanValueT>(flags[0]).Name, "TN_On");
    EXPECT_FALSE(std::get<TBooleanValueT>(flags[1]).Value); // "TRUE"

    const TSimpleDataType& level = *type("D_Level").SimpleDataType; // xsi type " uintegerT "
    EXPECT_EQ(level.ActualSimpleDataType, asdtUIntegerT);
    EXPECT_EQ(level.BitLength, 12);
    ASSERT_EQ(level.SingleValueRange.size(), 3u);
    const auto& seven = std::get<TIntegerValueRangeT>(level.SingleValueRange[0]);
    EXPECT_EQ(seven.ValueType, 1);
    EXPECT_EQ(seven.Value, 7);
    EXPECT_EQ(seven.Name, "TN_Seven");
    EXPECT_EQ(std::get<TIntegerValueRangeT>(level.SingleValueRange[1]).Value, 0); // too big
    const auto& range = std::get<TIntegerValueRangeT>(level.SingleValueRange[2]);
    EXPECT_EQ(range.ValueType, 0);
    EXPECT_EQ(range.LowerValue, -5);
    EXPECT_EQ(range.UpperValue, 4294967296LL);

    const auto& gain = type("D_Gain").SimpleDataType->SingleValueRange;
    ASSERT_EQ(gain.size(), 2u);
    EXPECT_FLOAT_EQ(std::get<TFloat32ValueRangeT>(gain[0]).Value, 1.5f);
    EXPECT_FLOAT_EQ(std::get<TFloat32ValueRangeT>(gain[1]).LowerValue, -2500.0f);
    EXPECT_FLOAT_EQ(std::get<TFloat32ValueRangeT>(gain[1]).UpperValue, 0.0f);

    const TDataType& strange = type("D_Strange");
    EXPECT_FALSE(strange.IsSimpleDataType);
    EXPECT_EQ(strange.ComplexDataType->ActualComplexDataType, acdtNONE);
    EXPECT_EQ(strange.type_name(*iodd_, false), "");
}

TEST_F(IoddRules, RecordsAndArrays) {
    const TComplexDataType& record = *type("D_Record").ComplexDataType;
    EXPECT_EQ(record.ActualComplexDataType, acdtRecordT);
    EXPECT_EQ(record.BitLength, 40u);
    EXPECT_FALSE(record.SubIndexAccessSupPresent);
    EXPECT_TRUE(record.SubIndexAccessSup);
    // Items without a usable type are dropped; a missing subindex is 1, a missing offset 0.
    ASSERT_EQ(record.Arr_RecItem.size(), 3u);
    const TRecordItem& first = record.Arr_RecItem[0];
    EXPECT_EQ(first.SubIndex, 1);
    EXPECT_EQ(first.BitOffset, 0);
    EXPECT_EQ(first.SimpleTD.ActualSimpleDataType, asdtIntegerT);
    EXPECT_EQ(first.Name, "TN_Item1");
    EXPECT_EQ(first.Description, "TD_Item1");
    EXPECT_FALSE(first.AccessRightResPresent);
    const TRecordItem& byRef = record.Arr_RecItem[1];
    EXPECT_EQ(byRef.SubIndex, 2);
    EXPECT_TRUE(byRef.SimpleTD.IsSimpleDataRef);
    EXPECT_EQ(byRef.SimpleTD.Get_ActualSimpleDataType(*iodd_, false), "StringT");
    EXPECT_EQ(byRef.SimpleTD.Get_Length(*iodd_, false), "128");
    EXPECT_EQ(byRef.SimpleTD.Get_ActualSimpleDataType(*iodd_, true), ""); // not standard
    EXPECT_EQ(record.Arr_RecItem[2].SubIndex, 1);                         // "x"
    EXPECT_EQ(record.Arr_RecItem[2].BitOffset, 36);

    const TComplexDataType& byRefArray = *type("D_ArrayByRef").ComplexDataType;
    EXPECT_EQ(byRefArray.Count, 3);
    EXPECT_TRUE(byRefArray.Arr_RecItem.empty());
    EXPECT_EQ(byRefArray.array_element(), nullptr);
    EXPECT_TRUE(byRefArray.SubIndexAccessSupPresent);
    EXPECT_FALSE(byRefArray.SubIndexAccessSup);

    const TComplexDataType& array = *type("D_Array").ComplexDataType;
    EXPECT_EQ(array.Count, 4);
    ASSERT_NE(array.array_element(), nullptr);
    EXPECT_EQ(array.array_element()->ActualSimpleDataType, asdtOctetStringT);
    EXPECT_EQ(array.array_element()->FixedLength, 16u);
}

TEST_F(IoddRules, Variables) {
    const TVariableCollection& vars = function().VariableCollection;
    ASSERT_EQ(vars.StdVar_List.size(), 3u);
    ASSERT_EQ(vars.Var_List.size(), 6u); // <Parameter> is dropped, <VARIABLE> is read

    struct Row {
        const char* id;
        TAccessRights rights;
        std::uint32_t index;
        const char* type;
        const char* length;
        const char* subindexAccess;
    };
    const Row rows[] = {
        {"V_Rw", arRW, 64, "UIntegerT", "16", "False"},
        {"V_Ro", arRO, 65, "RecordT", "40", "False"},
        {"V_Wo", arWO, 66, "Float32T", "32", "False"},
        {"V_Other", arWO, 1, "ArrayT", "", "True"}, // "RW", "sixty"; DatatypeRef wins
        {"V_Missing", arRW, 1, "", "", "False"},    // reference to nowhere
        {"V_Loose", arRW, 70, "BooleanT", "1", "False"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        const TVariable& v = variable(r.id);
        EXPECT_EQ(v.VarType, vtVariable);
        EXPECT_EQ(v.AccessRights, r.rights);
        EXPECT_EQ(v.Index, r.index);
        EXPECT_EQ(v.Get_DataType(*iodd_, false), r.type);
        EXPECT_EQ(v.Get_Length(*iodd_, false), r.length);
        EXPECT_EQ(v.Get_SubIndAccSup(*iodd_, false), r.subindexAccess);
    }
    const TVariable& rw = variable("V_Rw");
    EXPECT_TRUE(rw.Dynamic_V);
    EXPECT_EQ(rw.DefaultValue, "5");
    EXPECT_EQ(rw.Get_AccessRights(), "Read Write");
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(false, rw.Name), "First"); // first of two equal ids
    EXPECT_EQ(rw.Description, "TD_Rw");

    const TVariable& ro = variable("V_Ro");
    EXPECT_TRUE(ro.ModifiesOtherVariables);
    ASSERT_EQ(ro.RecordItemInfoList.size(), 2u);
    EXPECT_EQ(ro.RecordItemInfoList[0].Subindex, 2);
    EXPECT_EQ(ro.RecordItemInfoList[0].DefaultValue, "abc");
    EXPECT_TRUE(ro.RecordItemInfoList[0].ExcludedFromDataStorage);
    EXPECT_EQ(ro.RecordItemInfoList[1].Subindex, 0);
    EXPECT_TRUE(variable("V_Other").DataType->IsDataTypeRef);
}

TEST_F(IoddRules, StandardVariableReferences) {
    const TVariableCollection& vars = function().VariableCollection;
    const TVariable& vendor = vars.StdVar_List[0];
    EXPECT_EQ(vendor.VarType, vtStdVarRef);
    EXPECT_EQ(vendor.DefaultValue, "Acme");
    EXPECT_EQ(vendor.FixedLengthRestriction, 32);
    EXPECT_TRUE(vendor.ExcludedFromDataStorage);
    EXPECT_FALSE(vendor.DataType.has_value());
    const TVariable* standard = vendor.Get_Index_Var_Ref(*iodd_);
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->Index, 16u);
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(true, standard->Name), "Vendor Name");
    EXPECT_EQ(vendor.Get_DataType(*iodd_, false), "StringT");
    EXPECT_EQ(vendor.Get_Length(*iodd_, false), "512");
    EXPECT_EQ(vars.StdVar_List[1].Get_Index_Var_Ref(*iodd_), nullptr); // V_NotStandard
    EXPECT_EQ(vars.StdVar_List[1].FixedLengthRestriction, 1);
    // The standard type is found in the standard collection only.
    EXPECT_EQ(vars.StdVar_List[2].Get_DataType(*iodd_, false), "UIntegerT");

    // Lookup by index: the reference (not the standard variable) is the result.
    EXPECT_EQ(vars.Get_Variables("16", "", *iodd_), &vendor);
    EXPECT_EQ(vars.Get_Variables("2", "7", *iodd_), &vars.StdVar_List[2]);
    EXPECT_EQ(vars.Get_Variables("64", "", *iodd_), &variable("V_Rw"));
    EXPECT_EQ(vars.Get_Variables("12", "", *iodd_), nullptr); // standard, but not referenced
    EXPECT_EQ(vars.Get_Variables("x", "", *iodd_), nullptr);
    // By id as by index, a reference whose standard variable is missing is passed over.
    EXPECT_EQ(vars.Get_Variables_IDs("V_VendorName", *iodd_), &vendor);
    EXPECT_EQ(vars.Get_Variables_IDs("V_NotStandard", *iodd_), nullptr);
    TVariableCollection own = vars;
    own.Var_List.emplace_back().Id = "V_NotStandard";
    EXPECT_EQ(own.Get_Variables_IDs("V_NotStandard", *iodd_), &own.Var_List.back());
}

TEST_F(IoddRules, ProcessData) {
    const auto& list = function().ProcessDataCollection.ProcessData_List;
    ASSERT_EQ(list.size(), 2u); // the name of a layout element is not examined
    const TProcessData& a = list[0];
    EXPECT_EQ(a.Id, "PD_A");
    ASSERT_TRUE(a.Condition.has_value());
    EXPECT_EQ(a.Condition->VariableId, "V_Rw");
    EXPECT_EQ(a.Condition->SubIndex, 1);
    EXPECT_EQ(a.Condition->Value, 3);
    ASSERT_TRUE(a.ProcessDataIn && a.ProcessDataOut);
    EXPECT_EQ(a.ProcessDataIn->Id, "PDI_A");
    EXPECT_EQ(a.ProcessDataIn->BitLength, 40u);
    EXPECT_EQ(a.ProcessDataIn->Name, "TN_PDIn");
    EXPECT_EQ(a.ProcessDataIn->Get_DataTypeStr(*iodd_), "RecordT");
    EXPECT_EQ(a.ProcessDataIn->GetDataType(*iodd_), nullptr); // declared, not referenced
    EXPECT_EQ(a.ProcessDataOut->Get_DataTypeStr(*iodd_), "UIntegerT");
    EXPECT_EQ(a.ProcessDataOut->GetDataType(*iodd_), &type("D_Level"));

    const TProcessData& b = list[1];
    EXPECT_FALSE(b.Condition.has_value());
    EXPECT_FALSE(b.ProcessDataOut.has_value());
    // Declared inline and then referenced: the reference decides.
    EXPECT_TRUE(b.ProcessDataIn->DataType.IsDataTypeRef);
    EXPECT_TRUE(b.ProcessDataIn->DataType.SimpleDataType.has_value());
    EXPECT_EQ(b.ProcessDataIn->Get_DataTypeStr(*iodd_), "ArrayT");
}

TEST_F(IoddRules, EventsShareTheStandardOnes) {
    const TEventCollection& events = function().EventCollection;
    ASSERT_EQ(events.Event_List.size(), 1u); // code -5, no code and <Alarm> are dropped
    EXPECT_EQ(events.Event_List[0]->Code_, 6000);
    EXPECT_EQ(events.Event_List[0]->EventType, "Warning");
    EXPECT_EQ(events.Event_List[0]->Description, "TD_Event");
    ASSERT_EQ(events.StdEventRef_List.size(), 1u); // code 99 is not standard
    EXPECT_EQ(events.StdEventRef_List[0].get(), iodd_->Get_Event_SD(16912));
    EXPECT_EQ(events.StdEventRef_List[0]->Name, "STD_TN_Temperature");
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(true, events.StdEventRef_List[0]->Name),
              "Temperature fault");
    EXPECT_EQ(iodd_->Get_Event_SD(99), nullptr);
}

TEST_F(IoddRules, MenusAndProcessDataScaling) {
    const auto& menus = function().UserInterface.MenuCollection.Menu_List;
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].Name, "TN_Menu1");
    ASSERT_EQ(menus[0].MenuVariableRef_List.size(), 2u); // the MenuRef is ignored
    const auto& item = std::get<TMenuRecordItemRef>(menus[0].MenuVariableRef_List[1]);
    EXPECT_EQ(item.SubIndex, "1");
    EXPECT_EQ(item.DisplayFormat, "Dec.1");
    EXPECT_EQ(item.AccessRightRestriction, "ro");
    EXPECT_TRUE(std::holds_alternative<TMenuVariableRef>(menus[0].MenuVariableRef_List[0]));

    const TProcessDataInOut& pd =
        *function().ProcessDataCollection.ProcessData_List[0].ProcessDataIn;
    struct Row {
        bool simple, in;
        const char* subindex;
        const char *gradient, *offset, *unit;
    };
    const Row rows[] = {
        {true, true, "", "0.25", "", ""}, // the later menu wins, even where it is silent
        {false, true, "1", "0.1", "", ""}, {false, false, "2", "", "-1", "1010"},
        {false, true, "9", "1", "0", ""}, // no match
        {true, false, "", "1", "0", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.simple ? "simple " : "record ") + (r.in ? "in " : "out ") +
                     r.subindex);
        EXPECT_EQ(pd.Get_Gradient(*iodd_, r.simple, r.in, r.subindex), r.gradient);
        EXPECT_EQ(pd.Get_Offset(*iodd_, r.simple, r.in, r.subindex), r.offset);
        EXPECT_EQ(pd.Get_UnitCode(*iodd_, r.simple, r.in, r.subindex), r.unit);
    }
}

TEST_F(IoddRules, TextCollections) {
    const TExtTextCol& texts = iodd_->ExtTextCol;
    EXPECT_EQ(texts.FLang_Code_Primary, "en");
    // Every element under PrimaryLanguage counts in the device file; a missing attribute
    // keeps the two lists parallel. Other languages are not read.
    const std::vector<std::string> ids = {"TI_VendorText",   "TI_VendorUrl", "TI_DeviceName",
                                          "TI_DeviceFamily", "TN_Variant1",  "TN_Rw",
                                          "TN_Rw",           "TN_Event",     "",
                                          "TD_Event"};
    ASSERT_EQ(texts.size(), ids.size());
    for (std::size_t k = 0; k < ids.size(); ++k)
        EXPECT_EQ(texts.id(k), ids[k]) << k;
    EXPECT_EQ(texts.value(6), "Second");
    EXPECT_EQ(texts.value(8), "no id");
    EXPECT_EQ(texts.Find_ID("TN_Rw"), 5);
    EXPECT_EQ(texts.Find_ID("nope"), -1);
    std::string value = "x";
    EXPECT_FALSE(texts.Get_Value_From_ID("nope", value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(false, "plain value"), "plain value");
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(false, ""), ""); // even though an entry has no id
    EXPECT_EQ(iodd_->GetDesc_ExtTextCol(false, "TN_Event"), "Own event");

    // The standard file takes only <Text> elements.
    EXPECT_EQ(iodd_->SD_ExtTextCol.size(), 3u);
    EXPECT_EQ(iodd_->SD_ExtTextCol.Find_ID("STD_TN_Other"), -1);
}

TEST_F(IoddRules, StandardDefinitionsCollections) {
    // The DatatypeRef, the event with a negative code and the StdEventRef are dropped.
    EXPECT_EQ(iodd_->SD_DataTypeCollection.ListDataType.size(), 1u);
    EXPECT_EQ(iodd_->SD_VariableCollection.Var_List.size(), 3u);
    EXPECT_EQ(iodd_->SD_VariableCollection.StdVar_List.size(), 1u);
    EXPECT_EQ(iodd_->SD_EventCollection.Event_List.size(), 1u);
    EXPECT_EQ(iodd_->Find_Var_SD("V_DeviceAccessLocks"), 2);
    EXPECT_EQ(iodd_->Find_Var_SD("V_Nope"), -1);
    EXPECT_EQ(iodd_->SD_VariableCollection.Var_List[2].Get_SubIndAccSup(*iodd_, true), "True");
}

TEST(IoddSimpleDecode, ReadsIdentityAndTextsOnly) {
    TIODD d;
    d.StandardDef_Path = Data / "stddef";
    ASSERT_TRUE(d.Decode_IODD(Data / "device-rules.xml", true).ok());
    EXPECT_EQ(d.ProfileBody.DeviceIdentity.FVendorName, "Acme Sensors");
    EXPECT_EQ(d.ExtTextCol.size(), 10u);
    EXPECT_EQ(d.ProfileHeader.FProfileRevision, prPR11); // the header is small and always read
    EXPECT_TRUE(d.DocumentInfo.FVersion.empty());
    EXPECT_TRUE(d.ProfileBody.DeviceFunction.VariableCollection.Var_List.empty());
    EXPECT_TRUE(d.SD_VariableCollection.Var_List.empty());
    EXPECT_TRUE(d.PhysicalLayer.fBitRate.empty());
}

TEST(IoddSimpleDecode, ByteOrderMarkAndNoPhysicalLayer) {
    TIODD d;
    ASSERT_TRUE(d.Decode_IODD(Data / "device-bom.xml", true).ok());
    EXPECT_EQ(d.GetDesc_ExtTextCol(false, d.ProfileBody.DeviceIdentity.FDeviceName),
              "Gerät mit BOM");
    EXPECT_EQ(d.ExtTextCol.FLang_Code_Primary, "de");
    // A full decode needs the physical layer.
    const IoddResult full = d.Decode_IODD(Data / "device-bom.xml", false);
    EXPECT_EQ(full.status, IoddResult::Status::Unusable);
    EXPECT_NE(full.reason.find("physical layer"), std::string::npos) << full.reason;
    EXPECT_TRUE(d.ProfileBody.DeviceIdentity.FVendorName.empty()); // nothing half-filled
}

} // namespace
} // namespace kestrion
