// Which panels and rows of the parameter dialog are shown, and where, for the chosen BACnet
// type and the cable DHCP box: the only two inputs the layout depends on.
#include "gui/CategoryPanelStack.h"
#include "gui/TFParGen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kestrion::gui {
namespace {

constexpr int kRowPitch = 28;
constexpr int kLabelBelowField = 3;

void setRowShown(const TFParGen::OctetRow& row, bool shown) {
    row.caption->setHidden(!shown);
    for (QWidget* w : row.field)
        w->setHidden(!shown);
    for (QWidget* w : row.dot)
        w->setHidden(!shown);
}

// The gateway check box goes with its fields; a plain label stays as it is.
void setRowEnabled(const TFParGen::OctetRow& row, bool enabled) {
    if (qobject_cast<QCheckBox*>(row.caption)) row.caption->setEnabled(enabled);
    for (QWidget* w : row.field)
        w->setEnabled(enabled);
}

void moveTo(QWidget* w, int y) {
    w->move(w->x(), y);
}

} // namespace

void TFParGen::Order_TAB_Panels_412() {
    const bool mstp = CB_BACnet_Slave_Type->currentIndex() != 0;
    CP_Ethernet->setHidden(!mstp);
    CPG->arrange({CP_Ethernet_Connection, CP_IOLink, CP_BACnet_Slave, CP_Ethernet, CP_WebServer});

    const std::pair<CategoryPanel*, int> titles[] = {{CP_Ethernet_Connection, 1085},
                                                     {CP_IOLink, 1040},
                                                     {CP_BACnet_Slave, 774},
                                                     {CP_Ethernet, 433},
                                                     {CP_WebServer, 1070}};
    int number = 0;
    for (const auto& [panel, text] : titles) {
        if (panel->isHidden()) continue;
        panel->setTitle(QStringLiteral("%1. %2").arg(++number).arg(T(state_, text)));
    }
}

void TFParGen::RePosition_Objects_412() {
    const bool mstp = CB_BACnet_Slave_Type->currentIndex() != 0;
    const bool dhcp = CB_EthConn_En_DHCP_Cable->isChecked();

    CB_EthConn_En_DHCP_WiFi->setEnabled(false); // no Wi-Fi on this hardware
    CP_Ethernet_Connection->fitToContent();
    CP_IOLink->fitToContent();

    QWidget* const ipRows[] = {L_BACnet_IP_Slave_Port,
                               E_BACnet_IP_Slave_Port,
                               L_BACnet_IP_Slave_Device_Name,
                               E_BACnet_IP_Slave_Device_Name,
                               L_BACnet_IP_Slave_Device_Identifier,
                               E_BACnet_IP_Slave_Device_Identifier};
    const std::pair<QWidget*, QWidget*> mstpRows[] = {
        {L_BACnet_MSTP_Slave_Baudrate, CB_BACnet_MSTP_Slave_Baudrate},
        {L_BACnet_MSTP_Slave_Parity, CB_BACnet_MSTP_Slave_Parity},
        {L_BACnet_MSTP_Slave_Device_Name, E_BACnet_MSTP_Slave_Device_Name},
        {L_BACnet_MSTP_Slave_MAC_Address, E_BACnet_MSTP_Slave_MAC_Address},
        {L_BACnet_MSTP_Slave_Max_Master, E_BACnet_MSTP_Slave_Max_Master},
        {L_BACnet_MSTP_Slave_Max_Info_Frame, E_BACnet_MSTP_Slave_Max_Info_Frame},
        {L_BACnet_MSTP_Slave_Device_Instance, E_BACnet_MSTP_Slave_Device_Instance},
        {L_BACnet_MSTP_Slave_Network, E_BACnet_MSTP_Slave_Network}};

    for (const OctetRow* row : {&BACnet_IP_Slave_IP, &BACnet_IP_Slave_SM, &BACnet_IP_Slave_GAT})
        setRowShown(*row, !mstp);
    for (QWidget* w : ipRows)
        w->setHidden(mstp);
    for (const auto& [label, field] : mstpRows) {
        label->setHidden(!mstp);
        field->setHidden(!mstp);
    }
    for (const OctetRow* row : {&BACnet_IP_Slave_IP, &BACnet_IP_Slave_SM, &BACnet_IP_Slave_GAT})
        setRowEnabled(*row, !dhcp);
    if (!mstp) {
        const int descY = L_BACnet_IP_Slave_Device_Identifier->y() + kRowPitch;
        moveTo(CB_BACnet_Slave_Desc_32_Chars, descY);
        moveTo(CB_BACnet_Slave_Enable_BBMD, descY + kRowPitch);
        moveTo(CB_BACnet_Slave_Enable_Accept_FDR, descY + 2 * kRowPitch);
        CB_BACnet_Slave_Enable_BBMD->setHidden(false);
        CB_BACnet_Slave_Enable_Accept_FDR->setHidden(false);
    } else {
        // The MS/TP rows move up into the room of the hidden BACnet/IP rows.
        int fieldY = BACnet_IP_Slave_IP.field[0]->y();
        for (const auto& [label, field] : mstpRows) {
            moveTo(field, fieldY);
            moveTo(label, fieldY + kLabelBelowField);
            fieldY += kRowPitch;
        }
        moveTo(CB_BACnet_Slave_Desc_32_Chars, L_BACnet_MSTP_Slave_Network->y() + kRowPitch);
        CB_BACnet_Slave_Enable_BBMD->setHidden(true);
        CB_BACnet_Slave_Enable_Accept_FDR->setHidden(true);
    }
    CB_BACnet_Slave_Desc_32_Chars->setHidden(false);
    CP_BACnet_Slave->fitToContent();

    for (const OctetRow* row : {&Ethernet_IP, &Ethernet_SM, &Ethernet_GAT})
        setRowEnabled(*row, !dhcp);
    CP_Ethernet->fitToContent();
    CP_WebServer->fitToContent();
}

} // namespace kestrion::gui
