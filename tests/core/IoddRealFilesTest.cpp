// Real device descriptions of many vendors, read from beside the checkout (never copied in).
#include "iodd/TIODD.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kestrion {
namespace {

const std::filesystem::path Shared = std::filesystem::path(KESTRION_SHARED_DIR) / "iodd";
const std::filesystem::path StdDef = Shared / "stddef";
// The German text file that ships beside a device file: not a device description.
constexpr const char* LanguageFile = "CGI-PD30CTDR10BPxxIO-20210501-IODD1.1-DE.xml";

std::vector<std::filesystem::path> real_files() {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(Shared, ec))
        if (entry.path().extension() == ".xml") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TIODD decoded(const char* name) {
    TIODD d;
    d.StandardDef_Path = StdDef;
    const IoddResult r = d.Decode_IODD(Shared / name, false);
    EXPECT_TRUE(r.ok()) << name << ": " << r.reason;
    return d;
}

TEST(IoddRealFiles, EveryDeviceFileDecodes) {
    const auto files = real_files();
    if (files.empty()) GTEST_SKIP() << "no sample files in " << Shared;
    EXPECT_GE(files.size(), 19u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        TIODD full;
        full.StandardDef_Path = StdDef;
        const IoddResult r = full.Decode_IODD(file, false);
        if (file.filename() == LanguageFile) {
            EXPECT_EQ(r.status, IoddResult::Status::Unusable);
            EXPECT_NE(r.reason.find("ExternalTextDocument"), std::string::npos) << r.reason;
            continue;
        }
        ASSERT_TRUE(r.ok()) << r.reason;
        EXPECT_FALSE(full.ProfileBody.DeviceIdentity.FVendorName.empty());
        EXPECT_GE(full.PhysicalLayer.Get_BitRate(), 1);
        EXPECT_FALSE(full.ProfileBody.DeviceFunction.VariableCollection.StdVar_List.empty());
        EXPECT_FALSE(
            full.ProfileBody.DeviceFunction.ProcessDataCollection.ProcessData_List.empty());
        EXPECT_EQ(full.ExtTextCol.FLang_Code_Primary, "en");
        EXPECT_FALSE(full.SD_VariableCollection.Var_List.empty());
        // Every variable the device declares names a type (or its reference resolves).
        for (const TVariable& v : full.ProfileBody.DeviceFunction.VariableCollection.Var_List)
            EXPECT_NE(v.Get_DataType(full, false), "") << v.Id;

        // The catalog's quick read gives the same names.
        TIODD quick;
        ASSERT_TRUE(quick.Decode_IODD(file, true).ok());
        EXPECT_EQ(quick.ProfileBody.DeviceIdentity.FVendorName,
                  full.ProfileBody.DeviceIdentity.FVendorName);
        EXPECT_EQ(quick.GetDesc_ExtTextCol(false, quick.ProfileBody.DeviceIdentity.FDeviceName),
                  full.GetDesc_ExtTextCol(false, full.ProfileBody.DeviceIdentity.FDeviceName));
    }
}

TEST(IoddRealFiles, SameDeviceInBothRevisionsReadsItsOwnStandardDefinitions) {
    if (real_files().empty()) GTEST_SKIP();
    const TIODD old = decoded("ifm-000174-20150804-IODD1.0.1.xml");
    const TIODD current = decoded("ifm-000174-20150804-IODD1.1.xml");
    EXPECT_EQ(old.ProfileHeader.FProfileRevision, prPR10);
    EXPECT_EQ(current.ProfileHeader.FProfileRevision, prPR11);
    EXPECT_EQ(old.SD_VariableCollection.Var_List.size(), 16u);
    EXPECT_EQ(current.SD_VariableCollection.Var_List.size(), 19u);
    EXPECT_EQ(old.ProfileBody.DeviceIdentity.FDeviceId,
              current.ProfileBody.DeviceIdentity.FDeviceId);
}

TEST(IoddRealFiles, StandardEventReferencesResolve) {
    if (real_files().empty()) GTEST_SKIP();
    const TIODD d = decoded("Balluff-BISM4A308240107S4-CCM-20210928-IODD1.1.xml");
    const TEventCollection& events = d.ProfileBody.DeviceFunction.EventCollection;
    EXPECT_EQ(events.StdEventRef_List.size(), 43u);
    EXPECT_EQ(events.Event_List.size(), 17u);
    for (const TEventRef& e : events.StdEventRef_List) {
        EXPECT_EQ(e.get(), d.Get_Event_SD(e->Code_));
        EXPECT_NE(d.GetDesc_ExtTextCol(true, e->Name), e->Name) << e->Code_;
    }
}

TEST(IoddRealFiles, ConditionalProcessDataAndScaling) {
    if (real_files().empty()) GTEST_SKIP();
    const TIODD d = decoded("CGI-PD30CTDR10BPxxIO-20210501-IODD1.1.xml");
    const auto& layouts = d.ProfileBody.DeviceFunction.ProcessDataCollection.ProcessData_List;
    ASSERT_EQ(layouts.size(), 5u);
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        ASSERT_TRUE(layouts[i].Condition.has_value());
        EXPECT_EQ(layouts[i].Condition->VariableId, "V_PDConfiguration");
        EXPECT_EQ(layouts[i].Condition->SubIndex, 1);
        EXPECT_EQ(layouts[i].Condition->Value, static_cast<int>(i));
        EXPECT_EQ(layouts[i].ProcessDataIn->Get_DataTypeStr(d), "RecordT");
        EXPECT_EQ(layouts[i].ProcessDataIn->BitLength, 32u);
    }
    // Several languages in one file: the primary one is read.
    const TIODD siemens = decoded("Siemens-SIRIUS-3SU1-4DI4DQ-20160602-IODD1.0.1.xml");
    EXPECT_EQ(siemens.ExtTextCol.FLang_Code_Primary, "en");
}

} // namespace
} // namespace kestrion
