// The IODD catalog dialog over a scratch catalog folder, answered by a scripted prompter.
#include "gui/TFIOLink_IODD_Catalog.h"
#include "GuiTestSupport.h"

#include <algorithm>
#include <fstream>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace kestrion::gui {
namespace fs = std::filesystem;

namespace {

const fs::path Fixtures = fs::path(KESTRION_TEST_DATA) / "iodd";

struct IoddCatalog : ::testing::Test {
    TempWorkspace workspace;
    GlobalState state;
    ScriptedPrompter prompter;

    IoddCatalog() { state.Path_IODD_Catalog = workspace.path() / "IODD_Catalog"; }

    std::string read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The table's rows as vendor | device | file.
    static std::vector<std::string> rows(const TFIOLink_IODD_Catalog& d) {
        std::vector<std::string> out;
        for (int r = 0; r < d.ASG_IODD_Cat->rowCount(); ++r) {
            std::string row;
            for (int c = 0; c < 3; ++c) {
                const QTableWidgetItem* item = d.ASG_IODD_Cat->item(r, c);
                row += (c ? " | " : "") + (item ? item->text().toStdString() : std::string());
            }
            out.push_back(row);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(IoddCatalog, EmptyCatalogShowsOneEmptyRowAndOkGivesNoFile) {
    TFIOLink_IODD_Catalog dialog(state, prompter);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "IO-Link IODD Catalog");
    EXPECT_EQ(dialog.ASG_IODD_Cat->horizontalHeaderItem(2)->text(), "FileName");
    EXPECT_EQ(rows(dialog), std::vector<std::string>{" |  | "});
    QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Selected_File(), "");
}

TEST_F(IoddCatalog, ListsNamesAndKeepsGoingPastBadFiles) {
    fs::create_directories(state.Path_IODD_Catalog);
    fs::copy_file(Fixtures / "device-rules.xml", state.Path_IODD_Catalog / "acme.xml");
    fs::copy_file(Fixtures / "device-bom.xml", state.Path_IODD_Catalog / "bom.xml");
    workspace.write("IODD_Catalog/broken.xml", "<IODevice>");
    workspace.write("IODD_Catalog/readme.txt", "not listed");
    TFIOLink_IODD_Catalog dialog(state, prompter);
    dialog.show();
    EXPECT_EQ(rows(dialog),
              (std::vector<std::string>{" |  | broken.xml",
                                        "Acme Sensors | Level Sensor \"L1\" – Ω | acme.xml",
                                        "Bom Vendor | Gerät mit BOM | bom.xml"}));
    // The bad file's row says why, in its tooltip.
    for (int r = 0; r < dialog.ASG_IODD_Cat->rowCount(); ++r) {
        const QTableWidgetItem* file = dialog.ASG_IODD_Cat->item(r, 2);
        EXPECT_EQ(file->toolTip().contains("XML"), file->text() == "broken.xml");
    }

    // A double click picks its row; Cancel picks nothing.
    int acme = 0;
    while (dialog.ASG_IODD_Cat->item(acme, 2)->text() != "acme.xml")
        ++acme;
    const QRect cell = dialog.ASG_IODD_Cat->visualItemRect(dialog.ASG_IODD_Cat->item(acme, 0));
    QTest::mouseClick(dialog.ASG_IODD_Cat->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(dialog.ASG_IODD_Cat->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Selected_File(), "acme.xml");

    dialog.show();
    QTest::mouseClick(dialog.Btn_Cancel, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    // From the keyboard: Enter picks the selected row.
    dialog.show();
    dialog.ASG_IODD_Cat->setFocus();
    dialog.ASG_IODD_Cat->selectRow(acme);
    QTest::keyClick(dialog.ASG_IODD_Cat, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Selected_File(), "acme.xml");
}

TEST_F(IoddCatalog, AddCopiesAndAsksBeforeReplacing) {
    const fs::path source = Fixtures / "device-rules.xml";
    TFIOLink_IODD_Catalog dialog(state, prompter);
    dialog.show();

    // Cancelled file dialog: nothing happens but a refill.
    prompter.fileAnswers = {QString()};
    QTest::mouseClick(dialog.Btn_Add_IODD, Qt::LeftButton);
    EXPECT_FALSE(fs::exists(state.Path_IODD_Catalog / "device-rules.xml"));

    // A new file is copied without a question (the catalog folder is made if missing).
    prompter.fileAnswers = {QString::fromStdString(source.string())};
    QTest::mouseClick(dialog.Btn_Add_IODD, Qt::LeftButton);
    EXPECT_EQ(read(state.Path_IODD_Catalog / "device-rules.xml"), read(source));
    EXPECT_TRUE(prompter.texts("yesNoCancel").isEmpty());
    EXPECT_EQ(rows(dialog).size(), 1u);
    EXPECT_EQ(dialog.Entries.at(0).Vendor, "Acme Sensors");

    // The same name again: only Yes replaces the catalog's file.
    const std::pair<Prompter::Answer, bool> answers[] = {{Prompter::Answer::No, false},
                                                         {Prompter::Answer::Cancel, false},
                                                         {Prompter::Answer::Yes, true}};
    for (const auto& [answer, replaced] : answers) {
        workspace.write("IODD_Catalog/device-rules.xml", "old");
        prompter.asked.clear();
        prompter.fileAnswers = {QString::fromStdString(source.string())};
        prompter.yesNoCancelAnswers = {answer};
        QTest::mouseClick(dialog.Btn_Add_IODD, Qt::LeftButton);
        EXPECT_EQ(
            prompter.texts("yesNoCancel"),
            QStringList{"IODD File already exists in Catalog, Do you want to overwrite file?"});
        EXPECT_EQ(read(state.Path_IODD_Catalog / "device-rules.xml") == "old", !replaced);
    }

    // A file that cannot be read is reported; the catalog stays as it was.
    prompter.asked.clear();
    prompter.fileAnswers = {QString::fromStdString((workspace.path() / "gone.xml").string())};
    QTest::mouseClick(dialog.Btn_Add_IODD, Qt::LeftButton);
    ASSERT_EQ(prompter.errors().size(), 1);
    EXPECT_TRUE(prompter.errors()[0].startsWith("The IODD File could not be added"));
    EXPECT_EQ(catalog_file_names(state.Path_IODD_Catalog).size(), 1u);
}

TEST_F(IoddCatalog, LongListingsAreReadThroughTheProgressWindow) {
    for (std::size_t i = 0; i < TFIOLink_IODD_Catalog::Progress_Threshold + 5; ++i)
        workspace.write(
            "IODD_Catalog/d" + std::to_string(i) + ".xml",
            "<IODevice><ProfileBody><DeviceIdentity vendorName=\"V\"/></ProfileBody></IODevice>");
    TFIOLink_IODD_Catalog dialog(state, prompter);
    dialog.show();
    EXPECT_EQ(dialog.ASG_IODD_Cat->rowCount(),
              static_cast<int>(TFIOLink_IODD_Catalog::Progress_Threshold + 5));
}

} // namespace
} // namespace kestrion::gui
