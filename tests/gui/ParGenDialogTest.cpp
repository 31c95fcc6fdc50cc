#include "gui/CategoryPanelStack.h"
#include "gui/TFParGen.h"
#include "GuiTestSupport.h"
#include "params/ParGenFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace kestrion::gui {
namespace fs = std::filesystem;

namespace {

constexpr int kHeader = CategoryPanel::HeaderHeight;

QStringList titles(const TFParGen& d) {
    QStringList out;
    for (const CategoryPanel* panel : d.CPG->shownPanels())
        out << panel->title();
    return out;
}

// Every widget of the row, fields and gateway check box, that the DHCP box governs.
std::vector<QWidget*> addressWidgets(const TFParGen& d) {
    std::vector<QWidget*> out{d.CB_BACnet_IP_Slave_GAT, d.CB_Ethernet_En_GAT};
    for (const auto* row : {&d.BACnet_IP_Slave_IP, &d.BACnet_IP_Slave_SM, &d.BACnet_IP_Slave_GAT,
                            &d.Ethernet_IP, &d.Ethernet_SM, &d.Ethernet_GAT})
        out.insert(out.end(), row->field.begin(), row->field.end());
    return out;
}

ParGen every_value_changed() {
    ParGen p;
    p.Eth_Conn_Device_Name = "plant-7 \xC3\xA9";
    p.Eth_Conn_DHCP_Cable = true;
    p.Eth_Conn_Enable_DNS = true;
    p.Eth_Conn_Primary_DNS = {"1", "2", "3", "4"};
    p.Eth_Conn_Secondary_DNS = {"5", "6", "7", "8"};
    p.IOLink_SelectDevice = "GX30412-A1-2A-4B";
    p.Ethernet_IP = {"10", "11", "12", "13"};
    p.Ethernet_SM = {"255", "255", "0", "0"};
    p.Ethernet_GAT = {"10", "11", "12", "1"};
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
    p.BACnet_Ser_NAME_STA = "MSTPname";
    p.BACnet_Ser_Max_Master = "127";
    p.BACnet_Ser_Max_Info_Frames = "100";
    p.BACnet_Ser_DEV_IDE = "4194303";
    p.BACnet_Ser_Network = "65534";
    p.BACnet_Desc_Chars_Limit = true;
    p.BACnet_EN_BBMD = true;
    p.BACnet_EN_FDR = true;
    p.WebServer_Username = "admin";
    p.WebServer_Password = "secret";
    return p;
}

// Types into whichever widget has the focus, as a user at the keyboard does.
void typeAtFocus(const QString& keys) {
    for (const QChar c : keys)
        QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

} // namespace

struct ParGenDialog : ::testing::Test {
    TempWorkspace workspace;
    GlobalState state;
    ScriptedPrompter prompter;
    std::unique_ptr<TFParGen> dialog;

    void SetUp() override {
        state.File_ParGen = workspace.path() / "ParGen.xml";
        dialog = std::make_unique<TFParGen>(state, prompter);
    }
    void open() {
        dialog->show();
        QCoreApplication::processEvents(); // lets the panel column settle
    }
    void writeFile(const std::string& bytes) const { workspace.write("ParGen.xml", bytes); }
    std::string file() const {
        std::string bytes;
        read_file(state.File_ParGen, bytes);
        return bytes;
    }
    void setType(int index) {
        dialog->CB_BACnet_Slave_Type->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }
    // Each shown panel starts where the one above it ends.
    void expectStacked() const {
        int y = 0;
        for (const CategoryPanel* panel : dialog->CPG->shownPanels()) {
            EXPECT_EQ(panel->y(), y) << panel->objectName().toStdString();
            y += panel->height();
        }
    }
};

TEST_F(ParGenDialog, BacnetIpLayout) {
    open();
    const TFParGen& d = *dialog;
    EXPECT_EQ(titles(d), (QStringList{"1. Ethernet Connection", "2. IO-Link", "3. BACnet Slave",
                                      "4. WebServer"}));
    EXPECT_TRUE(d.CP_Ethernet->isHidden());
    expectStacked();
    EXPECT_EQ(d.CB_IOLink_SelectDevice->count(), 10);

    EXPECT_EQ(d.BACnet_IP_Slave_IP.caption->y(), 40);
    EXPECT_EQ(d.BACnet_IP_Slave_IP.field[0]->y(), 37);
    EXPECT_EQ(d.L_BACnet_IP_Slave_Device_Identifier->y(), 180);
    EXPECT_EQ(d.CB_BACnet_Slave_Desc_32_Chars->y(), 208);
    EXPECT_EQ(d.CB_BACnet_Slave_Enable_BBMD->y(), 236);
    EXPECT_EQ(d.CB_BACnet_Slave_Enable_Accept_FDR->y(), 264);
    EXPECT_TRUE(d.CB_BACnet_Slave_Enable_Accept_FDR->isVisible());
    EXPECT_FALSE(d.CB_BACnet_MSTP_Slave_Baudrate->isVisible());
    EXPECT_FALSE(d.E_BACnet_MSTP_Slave_Network->isVisible());
    // Each panel is as high as its lowest shown control, plus the header and 12 pixels.
    EXPECT_EQ(d.CP_BACnet_Slave->height(), 264 + 17 + kHeader + 12);
    EXPECT_EQ(d.CP_Ethernet_Connection->height(), 149 + 21 + kHeader + 12);
    EXPECT_EQ(d.CP_IOLink->height(), 9 + 22 + kHeader + 12);
    EXPECT_EQ(d.CP_WebServer->height(), 37 + 21 + kHeader + 12);
    EXPECT_FALSE(d.CB_EthConn_En_DHCP_WiFi->isEnabled());
}

TEST_F(ParGenDialog, MstpLayoutAndBack) {
    open();
    setType(1);
    const TFParGen& d = *dialog;
    EXPECT_EQ(titles(d), (QStringList{"1. Ethernet Connection", "2. IO-Link", "3. BACnet Slave",
                                      "4. Ethernet", "5. WebServer"}));
    expectStacked();
    EXPECT_EQ(d.L_BACnet_MSTP_Slave_Baudrate->y(), 40);
    EXPECT_EQ(d.CB_BACnet_MSTP_Slave_Baudrate->y(), 37);
    EXPECT_EQ(d.L_BACnet_MSTP_Slave_Parity->y(), 68);
    EXPECT_EQ(d.E_BACnet_MSTP_Slave_Device_Instance->y(), 205);
    EXPECT_EQ(d.L_BACnet_MSTP_Slave_Network->y(), 236);
    EXPECT_EQ(d.CB_BACnet_Slave_Desc_32_Chars->y(), 264);
    EXPECT_FALSE(d.CB_BACnet_Slave_Enable_BBMD->isVisible());
    EXPECT_FALSE(d.CB_BACnet_Slave_Enable_Accept_FDR->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(d.BACnet_IP_Slave_IP.field[0]),
                       static_cast<QWidget*>(d.CB_BACnet_IP_Slave_GAT),
                       static_cast<QWidget*>(d.BACnet_IP_Slave_GAT.dot[2]),
                       static_cast<QWidget*>(d.E_BACnet_IP_Slave_Port),
                       static_cast<QWidget*>(d.L_BACnet_IP_Slave_Device_Identifier)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(d.CP_BACnet_Slave->height(), 264 + 17 + kHeader + 12);
    EXPECT_EQ(d.CB_Ethernet_En_GAT->y(), 68);
    EXPECT_EQ(d.Ethernet_GAT.field[3]->y(), 66);
    EXPECT_EQ(d.CP_Ethernet->height(), 66 + 21 + kHeader + 12);
    EXPECT_EQ(d.CB_IOLink_SelectDevice->count(), 7);

    setType(0);
    EXPECT_EQ(titles(d), (QStringList{"1. Ethernet Connection", "2. IO-Link", "3. BACnet Slave",
                                      "4. WebServer"}));
    EXPECT_EQ(d.CB_BACnet_Slave_Desc_32_Chars->y(), 208);
    EXPECT_TRUE(d.E_BACnet_IP_Slave_Port->isVisible());
    expectStacked();
}

TEST_F(ParGenDialog, SwitchingTypeResetsTheDeviceVariant) {
    open();
    dialog->CB_IOLink_SelectDevice->setCurrentText("GX30412-A1-2B");
    setType(1);
    EXPECT_EQ(dialog->CB_IOLink_SelectDevice->currentText(), "GX30412-A1-4A");
    dialog->CB_IOLink_SelectDevice->setCurrentText("GX30412-A1-6A");
    setType(0);
    EXPECT_EQ(dialog->CB_IOLink_SelectDevice->currentText(), "GX30412-A1-4A");
}

TEST_F(ParGenDialog, CableDhcpDisablesAddressFieldsAndKeepsTheirValues) {
    open();
    setType(1);
    const ParGen before = dialog->Values();
    QTest::mouseClick(dialog->CB_EthConn_En_DHCP_Cable, Qt::LeftButton, {},
                      QPoint(4, dialog->CB_EthConn_En_DHCP_Cable->height() / 2));
    ASSERT_TRUE(dialog->CB_EthConn_En_DHCP_Cable->isChecked());
    for (QWidget* w : addressWidgets(*dialog))
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    setType(0); // the BACnet/IP rows come back disabled too
    for (QWidget* w : addressWidgets(*dialog))
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();

    dialog->CB_EthConn_En_DHCP_Cable->click();
    for (QWidget* w : addressWidgets(*dialog))
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    ParGen after = dialog->Values();
    after.BACnet_Type = before.BACnet_Type;
    after.IOLink_SelectDevice = before.IOLink_SelectDevice;
    EXPECT_EQ(after, before);
    EXPECT_FALSE(dialog->CB_EthConn_En_DHCP_WiFi->isEnabled());
}

TEST_F(ParGenDialog, DotMovesAlongTheOctetChains) {
    open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    TFParGen& d = *dialog;
    for (QLineEdit* field : d.BACnet_IP_Slave_IP.field)
        field->clear();
    d.BACnet_IP_Slave_IP.field[0]->setFocus();
    typeAtFocus("192.168.0.5");
    EXPECT_EQ(d.Values().BACnet_IP, (Octets{"192", "168", "0", "5"}));

    // On through the mask to the gateway, passing its check box; the chain ends there.
    typeAtFocus(".");
    EXPECT_TRUE(d.BACnet_IP_Slave_SM.field[0]->hasFocus());
    d.BACnet_IP_Slave_SM.field[3]->setFocus();
    typeAtFocus(".");
    EXPECT_TRUE(d.BACnet_IP_Slave_GAT.field[0]->hasFocus());
    d.BACnet_IP_Slave_GAT.field[3]->setFocus();
    const QString gateway4 = d.BACnet_IP_Slave_GAT.field[3]->text();
    typeAtFocus(".");
    EXPECT_TRUE(d.BACnet_IP_Slave_GAT.field[3]->hasFocus());
    EXPECT_EQ(d.BACnet_IP_Slave_GAT.field[3]->text(), gateway4);

    // The primary DNS leads on to the secondary DNS.
    d.EthConn_Pri_DNS.field[3]->setFocus();
    typeAtFocus(".");
    EXPECT_TRUE(d.EthConn_Sec_DNS.field[0]->hasFocus());

    // A successor that cannot take the focus (the Ethernet panel is hidden in BACnet/IP)
    // keeps it where it is; in MS/TP the Ethernet chain works.
    d.Ethernet_IP.field[0]->setFocus();
    typeAtFocus(".");
    EXPECT_FALSE(d.Ethernet_IP.field[1]->hasFocus());
    setType(1);
    d.Ethernet_IP.field[0]->clear();
    d.Ethernet_IP.field[0]->setFocus();
    typeAtFocus("10.");
    EXPECT_TRUE(d.Ethernet_IP.field[1]->hasFocus());
    EXPECT_EQ(d.Ethernet_IP.field[0]->text(), "10");
}

TEST_F(ParGenDialog, FailedOkWritesNothingAndStaysOpen) {
    open();
    dialog->E_BACnet_IP_Slave_Port->setText("10000");
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    EXPECT_EQ(prompter.errors(), QStringList{QString::fromStdString(state.text(939))});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(fs::exists(state.File_ParGen));

    const std::string existing = ParGen_xml(ParGen{});
    writeFile(existing);
    dialog->E_BACnet_IP_Slave_Device_Name->setText("a-b");
    dialog->E_BACnet_IP_Slave_Port->setText("47808");
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    EXPECT_EQ(prompter.errors().last(), QString::fromStdString(state.text(940)));
    EXPECT_EQ(file(), existing);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ParGenDialog, OkWritesExactlyTheValuesShown) {
    const ParGen values = every_value_changed();
    writeFile(ParGen_xml(values));
    open();
    EXPECT_EQ(dialog->E_BACnet_MSTP_Slave_Device_Name->text(), "MSTPname"); // no lower-casing
    EXPECT_EQ(dialog->CB_IOLink_SelectDevice->currentText(), "GX30412-A1-2A-4B");
    EXPECT_EQ(dialog->CB_BACnet_MSTP_Slave_Baudrate->currentText(), "115200");
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(file(), ParGen_xml(values));

    open();
    dialog->E_WebServer_Password->setText("other");
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    ParGen changed = values;
    changed.WebServer_Password = "other";
    EXPECT_EQ(file(), ParGen_xml(changed));
}

TEST_F(ParGenDialog, OkOnANewProjectWritesTheDefaultsAndAFailedWriteIsReported) {
    open();
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    EXPECT_EQ(file(), ParGen_xml(ParGen{}));

    state.File_ParGen = workspace.path() / "gone" / "ParGen.xml";
    open();
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    ASSERT_EQ(prompter.errors().size(), 1);
    EXPECT_TRUE(prompter.errors()[0].startsWith(
        "Error ParGen!! The file ParGen.xml could not be written: "));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ParGenDialog, CancelWritesNothingAndTheNextOpeningReloads) {
    writeFile(ParGen_xml(ParGen{}));
    open();
    dialog->E_EthConn_Device_Name->setText("typed");
    QTest::mouseClick(dialog->Btn_Cancel, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(file(), ParGen_xml(ParGen{}));
    open();
    EXPECT_EQ(dialog->E_EthConn_Device_Name->text(), "");
}

TEST_F(ParGenDialog, FileThatIsNotXmlOpensWithDefaultsAndIsKeptUntilOk) {
    const std::string broken = "<Par_Gen><BACnet_Type>1</BACnet_Type>";
    writeFile(broken);
    open();
    ASSERT_EQ(prompter.texts("warning").size(), 1);
    EXPECT_EQ(prompter.texts("warning")[0],
              QString::fromStdString(state.text(1130) + "\n" + state.text(1133)));
    EXPECT_EQ(dialog->Values(), ParGen{});
    EXPECT_EQ(file(), broken);
    QTest::mouseClick(dialog->Btn_OK, Qt::LeftButton);
    EXPECT_EQ(file(), ParGen_xml(ParGen{}));
}

TEST_F(ParGenDialog, ValuesTheFieldsCannotHoldAreReported) {
    writeFile("<Par_Gen><BACnet_Type>7</BACnet_Type><WebServer_Username>administrator"
              "</WebServer_Username></Par_Gen>");
    open();
    ASSERT_EQ(prompter.texts("warning").size(), 1);
    const QStringList lines = prompter.texts("warning")[0].split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains("BACnet_Type")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains("\"adminis\"")) << lines[1].toStdString();
    EXPECT_EQ(dialog->CB_BACnet_Slave_Type->currentIndex(), 0);
    EXPECT_EQ(dialog->E_WebServer_Username->text(), "adminis");
}

TEST_F(ParGenDialog, FieldsLimitLengthAndTypeDeviceNamesInLowerCase) {
    open();
    TFParGen& d = *dialog;
    for (QLineEdit* name : {d.E_BACnet_IP_Slave_Device_Name, d.E_BACnet_MSTP_Slave_Device_Name}) {
        name->clear();
        QTest::keyClicks(name, "Plant-AB12345678901");
        EXPECT_EQ(name->text(), "plant-ab1234567");
    }
    QTest::keyClicks(d.E_WebServer_Password, "ABCDEFGHIJ");
    EXPECT_EQ(d.E_WebServer_Password->text(), "ABCDEFG");
    EXPECT_EQ(d.E_WebServer_Password->echoMode(), QLineEdit::Normal);
    EXPECT_EQ(d.E_EthConn_Device_Name->maxLength(), 31);
    EXPECT_EQ(d.E_WebServer_Username->maxLength(), 7);
}

TEST_F(ParGenDialog, FixedWidthAndCollapsingKeepsValues) {
    open();
    dialog->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog->width(), TFParGen::ClientWidth);
    EXPECT_EQ(dialog->height(), 500);

    const ParGen before = dialog->Values();
    auto* header = dialog->CP_BACnet_Slave->findChild<QToolButton*>("Header");
    QTest::mouseClick(header, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(dialog->CP_BACnet_Slave->isExpanded());
    EXPECT_EQ(dialog->CP_BACnet_Slave->height(), kHeader);
    expectStacked();
    EXPECT_EQ(dialog->Values(), before);
    // A collapsed panel keeps its state when the layout is redone.
    setType(1);
    EXPECT_EQ(dialog->CP_BACnet_Slave->height(), kHeader);
    QTest::mouseClick(header, Qt::LeftButton);
    EXPECT_EQ(dialog->CP_BACnet_Slave->height(), 264 + 17 + kHeader + 12);
}

TEST_F(ParGenDialog, WheelOverAListScrollsTheStackWithoutChangingTheList) {
    dialog->resize(TFParGen::ClientWidth, 300);
    open();
    QScrollBar* bar = dialog->CPG->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int index = dialog->CB_IOLink_SelectDevice->currentIndex();
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(dialog->CB_IOLink_SelectDevice, &down);
    const int lines = QApplication::wheelScrollLines();
    EXPECT_EQ(bar->value(), std::min(bar->maximum(), lines * bar->singleStep()));
    EXPECT_EQ(dialog->CB_IOLink_SelectDevice->currentIndex(), index);

    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(dialog->CPG->viewport(), &up);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(ParGenDialog, TextsComeFromTheTextTable) {
    TFParGen& d = *dialog;
    EXPECT_EQ(d.windowTitle(), "Set Communication");
    EXPECT_EQ(d.E_BACnet_IP_Slave_Port->toolTip(),
              "Insert the Ethernet Port for the BACnet, default port is 47808");
    EXPECT_EQ(d.EthConn_Sec_DNS.field[3]->toolTip(), "Insert Fourth byte of Secondary DNS");
    EXPECT_EQ(d.BACnet_IP_Slave_GAT.field[0]->toolTip(), "Insert First byte of Default Gateway");
    EXPECT_EQ(d.CB_BACnet_IP_Slave_GAT->text(), "Gateway");
    EXPECT_EQ(d.CB_BACnet_Slave_Enable_Accept_FDR->text(), "Accept FDR");
    EXPECT_EQ(d.E_WebServer_Password->toolTip(),
              "Insert the Password to Access the WebServer (Max. 7 Chars)");
    EXPECT_EQ(d.Btn_Cancel->toolTip(), "Exit and Discard the current configuration");

    state.Lang_Text.set(1085, "Connessione Ethernet");
    state.Lang_Text.set(1092, "Abilita DNS");
    state.Lang_Text.set(402, "Conferma");
    d.Set_Lang();
    EXPECT_EQ(titles(d).front(), "1. Connessione Ethernet");
    EXPECT_EQ(d.CB_EthConn_Enable_DNS->text(), "Abilita DNS");
    EXPECT_EQ(d.Btn_OK->text(), "Conferma");
}

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, SetCommunicationOpensTheParameterDialog) {
    fs::create_directories(workspace.path() / "PROJECTS" / "Plant");
    Settings s;
    s.Name_Proj = "Plant";
    workspace.write("Kestrion.xml", settings_xml(s));
    start();
    onDialog = [](QDialog& d) {
        auto& dialog = static_cast<TFParGen&>(d);
        dialog.E_BACnet_IP_Slave_Device_Identifier->setText("42");
        QTest::mouseClick(dialog.Btn_OK, Qt::LeftButton);
    };
    QTest::mouseClick(window->findChild<QToolButton*>("Btn_Set_Communication"), Qt::LeftButton);
    EXPECT_EQ(dialogsRun, std::vector<QString>{"FParGen"});
    const ParGenLoad saved = load_ParGen(workspace.path() / "PROJECTS" / "Plant" / "ParGen.xml");
    EXPECT_EQ(saved.source, ParGenSource::Read);
    EXPECT_EQ(saved.values.BACnet_DEV_IDE, "42");

    state.Lang_Text.set(400, "Comunicazione");
    window->Change_Language();
    EXPECT_EQ(window->FParGen->windowTitle(), "Comunicazione");
}

} // namespace kestrion::gui
