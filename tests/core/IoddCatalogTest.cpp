// The IODD catalog folder: quick listing, tolerance of bad files, adding files.
#include "iodd/IoddCatalog.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kestrion {
namespace {

const std::filesystem::path Data = std::filesystem::path(KESTRION_TEST_DATA) / "iodd";

std::string device(const std::string& identity, const std::string& texts = "") {
    return "<IODevice><ProfileBody>" + identity + "</ProfileBody>" + texts + "</IODevice>";
}

TEST(IoddCatalog, ListsEveryXmlFileAndSurvivesBadOnes) {
    TempDir dir;
    dir.write(
        "texts.xml",
        device(R"(<DeviceIdentity vendorName="TI_V"><DeviceName textId="TI_D"/></DeviceIdentity>)",
               R"(<ExternalTextCollection><PrimaryLanguage xml:lang="en"><Text id="TI_V" )"
               R"(value="Vendor from texts"/><Text id="TI_D" value="Device from texts"/>)"
               "</PrimaryLanguage></ExternalTextCollection>"));
    dir.write("plain.XML", device(R"(<DeviceIdentity vendorName="Plain Vendor"/>)"));
    dir.write("broken.xml", "<IODevice><ProfileBody>");
    dir.write("language.xml", "<ExternalTextDocument/>");
    dir.write("notes.txt", "not a catalog entry");
    std::filesystem::create_directories(dir.path() / "folder.xml");

    const std::vector<std::string> names = catalog_file_names(dir.path());
    const std::vector<IoddCatalogEntry> entries = Read_Catalog(dir.path());
    ASSERT_EQ(entries.size(), 4u);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].FileName, names[i]);

    const auto entry = [&](const char* name) {
        return *std::find_if(entries.begin(), entries.end(),
                             [&](const IoddCatalogEntry& e) { return e.FileName == name; });
    };
    EXPECT_EQ(entry("texts.xml"),
              (IoddCatalogEntry{"texts.xml", "Vendor from texts", "Device from texts", ""}));
    EXPECT_EQ(entry("plain.XML"), (IoddCatalogEntry{"plain.XML", "Plain Vendor", "", ""}));
    for (const char* bad : {"broken.xml", "language.xml"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(entry(bad).Vendor, "");
        EXPECT_EQ(entry(bad).DeviceName, "");
        EXPECT_FALSE(entry(bad).Problem.empty());
    }
}

TEST(IoddCatalog, EmptyOrMissingFolderHasNoEntries) {
    TempDir dir;
    EXPECT_TRUE(Read_Catalog(dir.path()).empty());
    EXPECT_TRUE(Read_Catalog(dir.path() / "missing").empty());
}

TEST(IoddCatalog, ProgressCountsAndCanStop) {
    TempDir dir;
    for (int i = 0; i < 5; ++i)
        dir.write("d" + std::to_string(i) + ".xml", device(R"(<DeviceIdentity vendorName="V"/>)"));
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    const auto entries = Read_Catalog(dir.path(), [&](std::size_t done, std::size_t total) {
        calls.emplace_back(done, total);
        return done < 3;
    });
    EXPECT_EQ(entries.size(), 3u);
    const std::vector<std::pair<std::size_t, std::size_t>> expected = {{1, 5}, {2, 5}, {3, 5}};
    EXPECT_EQ(calls, expected);
}

TEST(IoddCatalog, AddCopiesAndReplaces) {
    TempDir dir;
    const auto catalog = dir.path() / "IODD_Catalog";
    std::filesystem::create_directories(catalog);
    const auto source = Data / "device-rules.xml";
    EXPECT_EQ(catalog_target(catalog, source), catalog / "device-rules.xml");

    dir.write("IODD_Catalog/device-rules.xml", "old");
    ASSERT_TRUE(add_to_catalog(catalog, source).ok());
    EXPECT_EQ(Read_Catalog(catalog).at(0).Vendor, "Acme Sensors");

    const WriteResult failed = add_to_catalog(catalog, dir.path() / "missing.xml");
    EXPECT_FALSE(failed.ok());
    EXPECT_NE(failed.error.find("missing.xml"), std::string::npos);
    EXPECT_EQ(catalog_file_names(catalog).size(), 1u);
}

} // namespace
} // namespace kestrion
