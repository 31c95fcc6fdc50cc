#include "GuiTestSupport.h"
#include "gui/ClickableLabel.h"
#include "gui/TFSoftOptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QTimer>

namespace kestrion::gui {
namespace fs = std::filesystem;

using SoftOptions = MainWindowFixture;

TEST_F(SoftOptions, LanguagesArePagedSixAtATimeSortedWithoutCase) {
    for (const char* name : {"italiano", "English", "b", "C", "d", "e", "f"})
        workspace.write(fs::path("LANGUAGE") / (std::string(name) + ".lng"), "");
    workspace.write("LANGUAGE/Deutsch.lng", "");
    fs::permissions(workspace.path() / "LANGUAGE/Deutsch.lng", fs::perms::owner_write, fs::perm_options::remove);
    workspace.write("LANGUAGE/notes.txt", "");
    start();
    TFSoftOptions& options = *window->FSoftOptions;
    options.show();

    EXPECT_EQ(options.SL_Languages,
              (std::vector<std::string>{"b.lng", "C.lng", "d.lng", "e.lng", "English.lng", "f.lng", "italiano.lng"}));
    EXPECT_EQ(options.L_Page->text(), "Page 1 / 2");
    EXPECT_TRUE(options.Btn_Previous->isHidden());
    EXPECT_FALSE(options.Btn_Next->isHidden());
    EXPECT_EQ(options.L_Lang[4]->text(), "English");

    QTest::mouseClick(options.Btn_Next, Qt::LeftButton);
    EXPECT_EQ(options.L_Page->text(), "Page 2 / 2");
    EXPECT_FALSE(options.L_Lang[0]->isHidden());
    EXPECT_EQ(options.L_Lang[0]->text(), "italiano");
    EXPECT_TRUE(options.L_Lang[1]->isHidden());
    EXPECT_FALSE(options.Btn_Previous->isHidden());
    EXPECT_TRUE(options.Btn_Next->isHidden());
    EXPECT_TRUE(options.Img_Flag[0]->isHidden()); // no flag and no default flag
    options.reject();
}

TEST_F(SoftOptions, ConnectionControlsEnableInChain) {
    start();
    TFSoftOptions& options = *window->FSoftOptions;
    options.show();
    EXPECT_FALSE(options.CB_Update->isEnabled());
    EXPECT_FALSE(options.Btn_Check_Update->isEnabled());

    options.CB_En_Con->setChecked(true);
    EXPECT_TRUE(options.CB_Update->isEnabled());
    EXPECT_FALSE(options.Btn_Check_Update->isEnabled());
    options.CB_Update->setChecked(true);
    EXPECT_TRUE(options.Btn_Check_Update->isEnabled());

    // Unchecking the connection disables both, but the update box keeps its mark and is stored.
    options.CB_En_Con->setChecked(false);
    EXPECT_FALSE(options.Btn_Check_Update->isEnabled());
    EXPECT_TRUE(options.CB_Update->isChecked());
    options.CB_Soft_Set_Jump_Table->setChecked(true);
    onDialog = [](QDialog& d) {
        auto& dialog = static_cast<TFSoftOptions&>(d);
        dialog.CB_Update->setChecked(true);
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    };
    options.reject();
    QTest::mouseClick(window->findChild<QAbstractButton*>("Btn_Options"), Qt::LeftButton);
    EXPECT_FALSE(state.Enable_Internet);
    EXPECT_TRUE(state.Enable_Update);
    EXPECT_FALSE(window->Timer_Update->isActive());
    EXPECT_TRUE(read_settings(workspace.path() / "Kestrion.xml").settings.Enable_Update);
}

TEST_F(SoftOptions, ChosenLanguageShowsAtOnceButOnlyOkKeepsIt) {
    workspace.write("LANGUAGE/Italiano.lng", "STR0015 = Nuova Configurazione\nSTR0304 = \xB6Lingua : \xB6\n");
    start();
    onDialog = [this](QDialog& d) {
        auto& dialog = static_cast<TFSoftOptions&>(d);
        prompter.yesNoAnswers = {true};
        QTest::mouseClick(dialog.L_Lang[0], Qt::LeftButton);
        EXPECT_EQ(dialog.L_Selected_Language->text(), "Lingua : Italiano");
        dialog.reject();
    };
    QTest::mouseClick(window->findChild<QAbstractButton*>("Btn_Options"), Qt::LeftButton);
    EXPECT_EQ(prompter.texts("yesNo"), QStringList{"Do you want to change the Language from English to Italiano?"});
    // Cancelled: the new texts stay on screen, the setting does not change.
    EXPECT_EQ(window->findChild<QAbstractButton*>("Btn_New_Configuration")->text(), "Nuova Configurazione");
    EXPECT_EQ(state.Language, "English");
    window->close();
    EXPECT_EQ(read_settings(workspace.path() / "Kestrion.xml").settings.Language, "English");

    onDialog = [this](QDialog& d) {
        auto& dialog = static_cast<TFSoftOptions&>(d);
        prompter.yesNoAnswers = {true};
        QTest::mouseClick(dialog.L_Lang[0], Qt::LeftButton);
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    };
    QTest::mouseClick(window->findChild<QAbstractButton*>("Btn_Options"), Qt::LeftButton);
    EXPECT_EQ(state.Language, "Italiano");
    EXPECT_EQ(read_settings(workspace.path() / "Kestrion.xml").settings.Language, "Italiano");
}

TEST_F(SoftOptions, DecliningTheQuestionChangesNothing) {
    workspace.write("LANGUAGE/Italiano.lng", "STR0015 = Nuova Configurazione\n");
    start();
    TFSoftOptions& options = *window->FSoftOptions;
    options.show();
    prompter.yesNoAnswers = {false};
    // From the keyboard: the slot takes the focus and Space picks it.
    options.L_Lang[0]->setFocus();
    QTest::keyClick(options.L_Lang[0], Qt::Key_Space);
    ASSERT_EQ(prompter.texts("yesNo").size(), 1);
    EXPECT_EQ(options.Language_In_Use, "English");
    EXPECT_EQ(window->findChild<QAbstractButton*>("Btn_New_Configuration")->text(), "New Configuration");
    options.reject();
}

} // namespace kestrion::gui
