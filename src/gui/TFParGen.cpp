#include "gui/TFParGen.h"

#include "gui/CategoryPanelStack.h"
#include "gui/Prompter.h"
#include "gui/Style.h"
#include "gui/TitlePanel.h"
#include "params/ParGenCheck.h"
#include "params/ParGenFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrion::gui {
namespace {

// Columns and sizes of the rows inside a panel.
constexpr int kLabelX = 14;
constexpr int kLabelWidth = 172;
constexpr int kFieldX = 191;
constexpr int kFieldWidth = 238;
constexpr int kWideWidth = kFieldX + kFieldWidth - kLabelX;
constexpr int kOctetX[4] = {191, 252, 313, 374};
constexpr int kDotX[3] = {247, 308, 369};
constexpr int kOctetWidth = 55;
constexpr int kEditHeight = 21;
constexpr int kListHeight = 22;
constexpr int kCheckHeight = 17;
constexpr int kLabelBelowField = 3;

// Texts of the file notices (1130 to 1132 come with each notice).
constexpr int kTextReplacedOnlyOnOk = 1133;
constexpr int kTextNotWritten = 1134;

QString q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

QLabel* makeLabel(QWidget* parent, const QString& name, int fieldY) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(kLabelX, fieldY + kLabelBelowField, kLabelWidth, 13);
    return label;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, int y, int maxLength = 0) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(kFieldX, y, kFieldWidth, kEditHeight);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* makeList(QWidget* parent, const char* name, int y) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(kFieldX, y, kFieldWidth, kListHeight);
    return list;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, int y, int width = kWideWidth) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(kLabelX, y, width, kCheckHeight);
    return box;
}

template <size_t N> void fillList(QComboBox* list, const std::array<std::string_view, N>& names) {
    for (std::string_view name : names)
        list->addItem(q(name));
}

// Caption of a row, then one hint per octet field.
void setOctetTexts(const GlobalState& state, const TFParGen::OctetRow& row, int caption,
                   int firstHint) {
    if (auto* label = qobject_cast<QLabel*>(row.caption)) label->setText(T(state, caption));
    for (int i = 0; i < 4; ++i)
        row.field[static_cast<size_t>(i)]->setToolTip(T(state, firstHint + i));
}

void setTexts(const GlobalState& state, QWidget* label, QWidget* field, int caption) {
    if (auto* l = qobject_cast<QLabel*>(label)) l->setText(T(state, caption));
    if (auto* c = qobject_cast<QCheckBox*>(label)) c->setText(T(state, caption));
    label->setToolTip(T(state, caption + 1));
    if (field) field->setToolTip(T(state, caption + 1));
}

// BACnet device names hold letters and digits only and the converter compares them in
// lower case, so typed letters become lower case at once.
void lowerCaseAsTyped(QLineEdit* edit) {
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        const QString lower = text.toLower();
        if (lower == text) return;
        const int cursor = edit->cursorPosition();
        edit->setText(lower);
        edit->setCursorPosition(cursor);
    });
}

} // namespace

TFParGen::TFParGen(GlobalState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter) {
    setObjectName("FParGen");
    setFont(baseFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowBackground());
    setPalette(pal);
    // Fixed width, free height: the panels are laid out for this width only.
    setFixedWidth(ClientWidth);
    setMinimumHeight(TitlePanel::Height + 40 + CategoryPanel::HeaderHeight * 3);
    resize(ClientWidth, 700);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    title_ = new TitlePanel(this);
    outer->addWidget(title_);
    CPG = new CategoryPanelStack(this);
    CPG->setObjectName("CPG");
    outer->addWidget(CPG, 1);
    auto* strip = new QWidget(this);
    strip->setFixedHeight(40);
    auto* buttons = new QHBoxLayout(strip);
    buttons->setContentsMargins(8, 6, 8, 6);
    buttons->addStretch(1);
    for (auto [button, name] :
         {std::pair{&Btn_OK, "Btn_OK"}, std::pair{&Btn_Cancel, "Btn_Cancel"}}) {
        *button = new QPushButton(strip);
        (*button)->setObjectName(name);
        (*button)->setFixedSize(110, 28);
        (*button)->setAutoDefault(false);
        buttons->addWidget(*button);
    }
    outer->addWidget(strip);

    buildEthernetConnection();
    buildIOLink();
    buildBACnetSlave();
    buildEthernet();
    buildWebServer();
    chainOctets({&EthConn_Pri_DNS, &EthConn_Sec_DNS});
    chainOctets({&Ethernet_IP, &Ethernet_SM, &Ethernet_GAT});
    chainOctets({&BACnet_IP_Slave_IP, &BACnet_IP_Slave_SM, &BACnet_IP_Slave_GAT});

    connect(Btn_OK, &QPushButton::clicked, this, &TFParGen::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(CB_BACnet_Slave_Type, &QComboBox::currentIndexChanged, this, &TFParGen::On_TypeChange);
    connect(CB_EthConn_En_DHCP_Cable, &QCheckBox::toggled, this, &TFParGen::RePosition_Objects_412);

    IOLink_Set_Device_List();
    Order_TAB_Panels_412();
    RePosition_Objects_412();
    Set_Lang();
}

TFParGen::OctetRow TFParGen::makeOctetRow(QWidget* parent, const QString& stem, QWidget* caption,
                                          int y) {
    OctetRow row;
    row.caption = caption ? caption : makeLabel(parent, "L_" + stem, y);
    for (size_t i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(parent);
        field->setObjectName(QStringLiteral("E_%1%2").arg(stem).arg(i + 1));
        field->setGeometry(kOctetX[i], y, kOctetWidth, kEditHeight);
        field->installEventFilter(this);
        row.field[i] = field;
    }
    for (size_t i = 0; i < 3; ++i) {
        auto* dot = new QLabel(QStringLiteral("."), parent);
        dot->setGeometry(kDotX[i], y + kLabelBelowField, 4, 13);
        row.dot[i] = dot;
    }
    return row;
}

void TFParGen::chainOctets(std::initializer_list<const OctetRow*> rows) {
    QLineEdit* previous = nullptr;
    for (const OctetRow* row : rows) {
        for (QLineEdit* field : row->field) {
            if (previous) nextOctet_.insert(previous, field);
            previous = field;
        }
    }
}

void TFParGen::buildEthernetConnection() {
    CP_Ethernet_Connection = CPG->addPanel("CP_Ethernet_Connection");
    QWidget* p = CP_Ethernet_Connection->content();
    L_EthConn_Device_Name = makeLabel(p, "L_EthConn_Device_Name", 9);
    E_EthConn_Device_Name = makeEdit(p, "E_EthConn_Device_Name", 9, Max_Host_Name);
    CB_EthConn_En_DHCP_Cable = makeCheck(p, "CB_EthConn_En_DHCP_Cable", 40);
    CB_EthConn_En_DHCP_WiFi = makeCheck(p, "CB_EthConn_En_DHCP_WiFi", 68);
    CB_EthConn_Enable_DNS = makeCheck(p, "CB_EthConn_Enable_DNS", 96);
    EthConn_Pri_DNS = makeOctetRow(p, "EthConn_Pri_DNS_IP", nullptr, 121);
    EthConn_Sec_DNS = makeOctetRow(p, "EthConn_Sec_DNS_IP", nullptr, 149);
}

void TFParGen::buildIOLink() {
    CP_IOLink = CPG->addPanel("CP_IOLink");
    QWidget* p = CP_IOLink->content();
    L_IOLink_SelectDevice = makeLabel(p, "L_IOLink_SelectDevice", 9);
    CB_IOLink_SelectDevice = makeList(p, "CB_IOLink_SelectDevice", 9);
}

void TFParGen::buildBACnetSlave() {
    CP_BACnet_Slave = CPG->addPanel("CP_BACnet_Slave");
    QWidget* p = CP_BACnet_Slave->content();
    L_BACnet_Slave_Type = makeLabel(p, "L_BACnet_Slave_Type", 9);
    CB_BACnet_Slave_Type = makeList(p, "CB_BACnet_Slave_Type", 9);
    fillList(CB_BACnet_Slave_Type, BACnet_Type_Names);

    BACnet_IP_Slave_IP = makeOctetRow(p, "BACnet_IP_Slave_IP", nullptr, 37);
    BACnet_IP_Slave_SM = makeOctetRow(p, "BACnet_IP_Slave_SM", nullptr, 65);
    CB_BACnet_IP_Slave_GAT = makeCheck(p, "CB_BACnet_IP_Slave_GAT", 96, kLabelWidth);
    BACnet_IP_Slave_GAT = makeOctetRow(p, "BACnet_IP_Slave_GAT", CB_BACnet_IP_Slave_GAT, 94);
    L_BACnet_IP_Slave_Port = makeLabel(p, "L_BACnet_IP_Slave_Port", 121);
    E_BACnet_IP_Slave_Port = makeEdit(p, "E_BACnet_IP_Slave_Port", 121);
    L_BACnet_IP_Slave_Device_Name = makeLabel(p, "L_BACnet_IP_Slave_Device_Name", 149);
    E_BACnet_IP_Slave_Device_Name =
        makeEdit(p, "E_BACnet_IP_Slave_Device_Name", 149, Max_BACnet_Device_Name);
    L_BACnet_IP_Slave_Device_Identifier = makeLabel(p, "L_BACnet_IP_Slave_Device_Identifier", 177);
    E_BACnet_IP_Slave_Device_Identifier = makeEdit(p, "E_BACnet_IP_Slave_Device_Identifier", 177);

    // The MS/TP rows are placed by the relayout, into the room the BACnet/IP rows leave.
    L_BACnet_MSTP_Slave_Baudrate = makeLabel(p, "L_BACnet_MSTP_Slave_Baudrate", 0);
    CB_BACnet_MSTP_Slave_Baudrate = makeList(p, "CB_BACnet_MSTP_Slave_Baudrate", 0);
    fillList(CB_BACnet_MSTP_Slave_Baudrate, Baudrate_Names);
    L_BACnet_MSTP_Slave_Parity = makeLabel(p, "L_BACnet_MSTP_Slave_Parity", 0);
    CB_BACnet_MSTP_Slave_Parity = makeList(p, "CB_BACnet_MSTP_Slave_Parity", 0);
    fillList(CB_BACnet_MSTP_Slave_Parity, Parity_Names);
    L_BACnet_MSTP_Slave_Device_Name = makeLabel(p, "L_BACnet_MSTP_Slave_Device_Name", 0);
    E_BACnet_MSTP_Slave_Device_Name =
        makeEdit(p, "E_BACnet_MSTP_Slave_Device_Name", 0, Max_BACnet_Device_Name);
    L_BACnet_MSTP_Slave_MAC_Address = makeLabel(p, "L_BACnet_MSTP_Slave_MAC_Address", 0);
    E_BACnet_MSTP_Slave_MAC_Address = makeEdit(p, "E_BACnet_MSTP_Slave_MAC_Address", 0);
    L_BACnet_MSTP_Slave_Max_Master = makeLabel(p, "L_BACnet_MSTP_Slave_Max_Master", 0);
    E_BACnet_MSTP_Slave_Max_Master = makeEdit(p, "E_BACnet_MSTP_Slave_Max_Master", 0);
    L_BACnet_MSTP_Slave_Max_Info_Frame = makeLabel(p, "L_BACnet_MSTP_Slave_Max_Info_Frame", 0);
    E_BACnet_MSTP_Slave_Max_Info_Frame = makeEdit(p, "E_BACnet_MSTP_Slave_Max_Info_Frame", 0);
    L_BACnet_MSTP_Slave_Device_Instance = makeLabel(p, "L_BACnet_MSTP_Slave_Device_Instance", 0);
    E_BACnet_MSTP_Slave_Device_Instance = makeEdit(p, "E_BACnet_MSTP_Slave_Device_Instance", 0);
    L_BACnet_MSTP_Slave_Network = makeLabel(p, "L_BACnet_MSTP_Slave_Network", 0);
    E_BACnet_MSTP_Slave_Network = makeEdit(p, "E_BACnet_MSTP_Slave_Network", 0);

    CB_BACnet_Slave_Desc_32_Chars = makeCheck(p, "CB_BACnet_Slave_Desc_32_Chars", 0);
    CB_BACnet_Slave_Enable_BBMD = makeCheck(p, "CB_BACnet_Slave_Enable_BBMD", 0);
    CB_BACnet_Slave_Enable_Accept_FDR = makeCheck(p, "CB_BACnet_Slave_Enable_Accept_FDR", 0);

    lowerCaseAsTyped(E_BACnet_IP_Slave_Device_Name);
    lowerCaseAsTyped(E_BACnet_MSTP_Slave_Device_Name);
}

void TFParGen::buildEthernet() {
    CP_Ethernet = CPG->addPanel("CP_Ethernet");
    QWidget* p = CP_Ethernet->content();
    Ethernet_IP = makeOctetRow(p, "Ethernet_IP", nullptr, 9);
    Ethernet_SM = makeOctetRow(p, "Ethernet_SM", nullptr, 37);
    CB_Ethernet_En_GAT = makeCheck(p, "CB_Ethernet_En_GAT", 68, kLabelWidth);
    Ethernet_GAT = makeOctetRow(p, "Ethernet_GAT", CB_Ethernet_En_GAT, 66);
}

void TFParGen::buildWebServer() {
    CP_WebServer = CPG->addPanel("CP_WebServer");
    QWidget* p = CP_WebServer->content();
    L_WebServer_Username = makeLabel(p, "L_WebServer_Username", 9);
    E_WebServer_Username = makeEdit(p, "E_WebServer_Username", 9, Max_WebServer_Text);
    L_WebServer_Password = makeLabel(p, "L_WebServer_Password", 37);
    E_WebServer_Password = makeEdit(p, "E_WebServer_Password", 37, Max_WebServer_Text);
}

void TFParGen::Set_Lang() {
    setWindowTitle(T(state_, 400));
    title_->setDescription(T(state_, 401));
    Btn_OK->setText(T(state_, 402));
    Btn_Cancel->setText(T(state_, 403));
    Btn_OK->setToolTip(T(state_, 404));
    Btn_Cancel->setToolTip(T(state_, 405));

    setTexts(state_, L_EthConn_Device_Name, E_EthConn_Device_Name, 1086);
    setTexts(state_, CB_EthConn_En_DHCP_Cable, nullptr, 1088);
    setTexts(state_, CB_EthConn_En_DHCP_WiFi, nullptr, 1090);
    setTexts(state_, CB_EthConn_Enable_DNS, nullptr, 1092);
    setOctetTexts(state_, EthConn_Pri_DNS, 1094, 1095);
    setOctetTexts(state_, EthConn_Sec_DNS, 1099, 1100);

    setTexts(state_, L_IOLink_SelectDevice, CB_IOLink_SelectDevice, 1041);

    setTexts(state_, L_BACnet_Slave_Type, CB_BACnet_Slave_Type, 775);
    setOctetTexts(state_, BACnet_IP_Slave_IP, 777, 778);
    setOctetTexts(state_, BACnet_IP_Slave_SM, 782, 783);
    setTexts(state_, CB_BACnet_IP_Slave_GAT, nullptr, 787);
    setOctetTexts(state_, BACnet_IP_Slave_GAT, 787, 789);
    setTexts(state_, L_BACnet_IP_Slave_Port, E_BACnet_IP_Slave_Port, 793);
    setTexts(state_, L_BACnet_IP_Slave_Device_Name, E_BACnet_IP_Slave_Device_Name, 795);
    setTexts(state_, L_BACnet_IP_Slave_Device_Identifier, E_BACnet_IP_Slave_Device_Identifier, 797);
    setTexts(state_, L_BACnet_MSTP_Slave_Baudrate, CB_BACnet_MSTP_Slave_Baudrate, 799);
    setTexts(state_, L_BACnet_MSTP_Slave_Parity, CB_BACnet_MSTP_Slave_Parity, 801);
    setTexts(state_, L_BACnet_MSTP_Slave_Device_Name, E_BACnet_MSTP_Slave_Device_Name, 803);
    setTexts(state_, L_BACnet_MSTP_Slave_MAC_Address, E_BACnet_MSTP_Slave_MAC_Address, 805);
    setTexts(state_, L_BACnet_MSTP_Slave_Max_Master, E_BACnet_MSTP_Slave_Max_Master, 807);
    setTexts(state_, L_BACnet_MSTP_Slave_Max_Info_Frame, E_BACnet_MSTP_Slave_Max_Info_Frame, 809);
    setTexts(state_, L_BACnet_MSTP_Slave_Device_Instance, E_BACnet_MSTP_Slave_Device_Instance, 811);
    setTexts(state_, L_BACnet_MSTP_Slave_Network, E_BACnet_MSTP_Slave_Network, 813);
    setTexts(state_, CB_BACnet_Slave_Desc_32_Chars, nullptr, 815);
    setTexts(state_, CB_BACnet_Slave_Enable_BBMD, nullptr, 1126);
    setTexts(state_, CB_BACnet_Slave_Enable_Accept_FDR, nullptr, 1128);

    setOctetTexts(state_, Ethernet_IP, 434, 435);
    setOctetTexts(state_, Ethernet_SM, 439, 440);
    setTexts(state_, CB_Ethernet_En_GAT, nullptr, 444);
    setOctetTexts(state_, Ethernet_GAT, 444, 446);

    setTexts(state_, L_WebServer_Username, E_WebServer_Username, 1071);
    setTexts(state_, L_WebServer_Password, E_WebServer_Password, 1073);

    // The panel titles carry their numbers; renumbering also picks up the new language.
    Order_TAB_Panels_412();
}

void TFParGen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFParGen::FormShow() {
    const ParGenLoad load = load_ParGen(state_.File_ParGen);
    Show_Values(load.values);
    CPG->ensureVisible(0, 0);
    if (load.notices.empty()) return;
    QStringList lines;
    for (const ParGenNotice& notice : load.notices)
        lines << q(describe(notice, state_.Lang_Text).message);
    lines << T(state_, kTextReplacedOnlyOnOk);
    prompter_.warning(this, lines.join('\n'));
}

void TFParGen::Btn_OKClick() {
    const ParGen values = Values();
    if (const auto error = Controllo_Dati(values, state_.Lang_Text)) {
        prompter_.error(this, q(error->message));
        return;
    }
    const WriteResult written = save_ParGen(state_.File_ParGen, values);
    if (!written.ok()) {
        prompter_.error(this, T(state_, kTextNotWritten) + q(written.error));
        return;
    }
    accept();
}

void TFParGen::On_TypeChange() {
    if (showingValues_) return;
    IOLink_Set_Device_List();
    Order_TAB_Panels_412();
    RePosition_Objects_412();
}

void TFParGen::IOLink_Set_Device_List() {
    CB_IOLink_SelectDevice->clear();
    for (const std::string& name : IOLink_Device_List(CB_BACnet_Slave_Type->currentIndex()))
        CB_IOLink_SelectDevice->addItem(q(name));
    CB_IOLink_SelectDevice->setCurrentIndex(0);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
    // "." in an address moves on to the next octet instead of entering the text.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->text() == QStringLiteral(".")) {
        auto* next = nextOctet_.value(static_cast<QLineEdit*>(watched));
        if (next && next->isVisible() && next->isEnabled()) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kestrion::gui
