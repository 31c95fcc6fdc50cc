#include "GuiTestSupport.h"
#include "gui/TFNew_Project.h"
#include "gui/TFOpenConf.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace kestrion::gui {
namespace fs = std::filesystem;

namespace {

void click(QWidget* root, const char* objectName) {
    auto* button = root->findChild<QAbstractButton*>(objectName);
    ASSERT_NE(button, nullptr) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StepsTwoToSixAreRefusedWithoutAProject) {
    start();
    for (const char* step : {"Btn_Set_Communication", "Btn_IOLink_Set_Access", "Btn_Set_BACnet_Access",
                             "Btn_Set_BDT_Access", "Btn_BACnet_EDE_File", "Btn_Update_Device"}) {
        prompter.asked.clear();
        click(window.get(), step);
        EXPECT_EQ(prompter.errors(), QStringList{"Error! Project not Valid"}) << step;
    }
    EXPECT_TRUE(dialogsRun.empty());

    // The first step and the three picture buttons still work.
    for (const char* button : {"Btn_New_Configuration", "Btn_Open_Configuration", "Btn_Information", "Btn_Options"})
        click(window.get(), button);
    EXPECT_EQ(dialogsRun, (std::vector<QString>{"FNew_Project", "FOpenConf", "FAbout", "FSoftOptions"}));
}

TEST_F(MainWindow, LabelsShowTheActiveConfiguration) {
    Settings s;
    s.Name_Proj = "Gone";
    workspace.write("Kestrion.xml", settings_xml(s));
    start();
    EXPECT_EQ(window->L_Conf1->text(), "None Configuration Opened ");
    EXPECT_EQ(window->L_Conf2->text(), "Use Step1 to open or create new configuration");
    window->Change_Language();
    EXPECT_EQ(window->L_Conf2->text(), "Use Step1 to open or create new configuration");
}

TEST_F(MainWindow, ChangeLanguageRelabelsEveryWindow) {
    workspace.write("LANGUAGE/Italiano.lng",
                    "STR0015 = Nuova Configurazione\nSTR0100 = Nuovo\nSTR0200 = Apri\nSTR0300 = Opzioni\n"
                    "STR0400 = Comunicazione\nSTR1300 = Catalogo\n");
    start();
    state.Language = "Italiano";
    Load_Language(state.Lang_Text, state.Path_Language, state.Language);
    window->Change_Language();
    EXPECT_EQ(window->findChild<QAbstractButton*>("Btn_New_Configuration")->text(), "Nuova Configurazione");
    QStringList titles;
    for (const char* name : {"FNew_Project", "FOpenConf", "FSoftOptions", "FParGen", "FIOLink_IODD_Catalog"})
        titles << window->findChild<QDialog*>(name)->windowTitle();
    EXPECT_EQ(titles, (QStringList{"Nuovo", "Apri", "Opzioni", "Comunicazione", "Catalogo"}));
}

TEST_F(MainWindow, NewConfigurationCreatesAndActivatesTheProject) {
    start();
    onDialog = [](QDialog& d) {
        auto& dialog = static_cast<TFNew_Project&>(d);
        QTest::keyClicks(dialog.E_New_Proj, "Plant1");
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    };
    click(window.get(), "Btn_New_Configuration");
    EXPECT_TRUE(fs::is_directory(workspace.path() / "PROJECTS" / "Plant1" / "bin"));
    EXPECT_TRUE(state.project_active());
    EXPECT_EQ(window->L_Conf1->text(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(window->L_Conf2->text(), "Plant1");

    // The same name again, then an empty name confirmed with Enter: the dialog stays open.
    std::vector<bool> stayedOpen;
    onDialog = [&](QDialog& d) {
        auto& dialog = static_cast<TFNew_Project&>(d);
        EXPECT_TRUE(dialog.E_New_Proj->text().isEmpty()); // emptied at each showing
        QTest::keyClicks(dialog.E_New_Proj, "Plant1");
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
        dialog.E_New_Proj->clear();
        QTest::keyClick(dialog.E_New_Proj, Qt::Key_Return);
        stayedOpen.push_back(dialog.isVisible());
    };
    prompter.asked.clear();
    click(window.get(), "Btn_New_Configuration");
    EXPECT_EQ(prompter.errors(), (QStringList{"Error! Name project is not valid because directory already exists",
                                             "Error! Name Project is not valid"}));
    EXPECT_EQ(stayedOpen, std::vector<bool>{true});
}

TEST_F(MainWindow, OpenConfigurationPreselectsTheActiveProjectWithoutRegardToCase) {
    fs::create_directories(workspace.path() / "PROJECTS" / "alpha");
    fs::create_directories(workspace.path() / "PROJECTS" / "Beta");
    Settings s;
    s.Name_Proj = "Beta";
    workspace.write("Kestrion.xml", settings_xml(s));
    start();
    // The folder on disk differs in case from the remembered name.
    state.Path_Proj = state.Path_Projects / "BETA";
    fs::rename(workspace.path() / "PROJECTS" / "Beta", workspace.path() / "PROJECTS" / "BETA");

    QString preselected;
    onDialog = [&](QDialog& d) {
        auto& dialog = static_cast<TFOpenConf&>(d);
        preselected = dialog.ListBox1->currentItem()->text();
        dialog.accept();
    };
    click(window.get(), "Btn_Open_Configuration");
    EXPECT_EQ(preselected, "BETA");
    EXPECT_EQ(state.Name_Proj, "BETA");
}

TEST_F(MainWindow, OpenWithoutActiveProjectTakesTheFirstAndEmptyListLeavesNone) {
    start();
    onDialog = [](QDialog& d) { d.accept(); };
    click(window.get(), "Btn_Open_Configuration");
    EXPECT_FALSE(state.project_active());
    EXPECT_EQ(window->L_Conf1->text(), "None Configuration Opened ");

    fs::create_directories(workspace.path() / "PROJECTS" / "Only");
    onDialog = [](QDialog& d) { QTest::keyClick(static_cast<TFOpenConf&>(d).ListBox1, Qt::Key_Return); };
    click(window.get(), "Btn_Open_Configuration");
    EXPECT_TRUE(state.project_active());
    EXPECT_EQ(window->L_Conf2->text(), "Only");
}

TEST_F(MainWindow, CloseWritesTheSettingsAndSurvivesAWriteFailure) {
    start();
    state.Last_IP_Address = "10.1.2.3";
    window->close();
    EXPECT_EQ(read_settings(workspace.path() / "Kestrion.xml").settings.Last_IP_Address, "10.1.2.3");

    fs::remove(workspace.path() / "Kestrion.xml");
    workspace.write("Kestrion.xml/blocker", "x");
    window->show();
    EXPECT_TRUE(window->close());
    ASSERT_EQ(prompter.texts("warning").size(), 1);
    EXPECT_TRUE(prompter.texts("warning")[0].startsWith("The settings could not be saved: "));
}

TEST_F(MainWindow, UpdateTimerFollowsBothInternetOptions) {
    Settings s;
    s.Enable_Internet = true;
    s.Enable_Update = true;
    workspace.write("Kestrion.xml", settings_xml(s));
    start();
    EXPECT_TRUE(window->Timer_Update->isActive());
    EXPECT_EQ(window->Timer_Update->interval(), 60000);
    EXPECT_TRUE(window->LL_Update->isHidden());
}

} // namespace kestrion::gui
