// Between the parameter set and the dialog's fields.
#include "gui/TFParGen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace kestrion::gui {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& text) {
    return text.toStdString();
}

void setOctets(const TFParGen::OctetRow& row, const Octets& values) {
    for (size_t i = 0; i < 4; ++i)
        row.field[i]->setText(q(values[i]));
}

Octets octets(const TFParGen::OctetRow& row) {
    Octets values;
    for (size_t i = 0; i < 4; ++i)
        values[i] = s(row.field[i]->text());
    return values;
}

} // namespace

void TFParGen::Show_Values(const ParGen& p) {
    // Filling the type list must not reset the device variant the file chose.
    showingValues_ = true;
    E_EthConn_Device_Name->setText(q(p.Eth_Conn_Device_Name));
    CB_EthConn_En_DHCP_Cable->setChecked(p.Eth_Conn_DHCP_Cable);
    CB_EthConn_En_DHCP_WiFi->setChecked(false);
    CB_EthConn_Enable_DNS->setChecked(p.Eth_Conn_Enable_DNS);
    setOctets(EthConn_Pri_DNS, p.Eth_Conn_Primary_DNS);
    setOctets(EthConn_Sec_DNS, p.Eth_Conn_Secondary_DNS);

    CB_BACnet_Slave_Type->setCurrentIndex(p.is_mstp() ? 1 : 0);
    IOLink_Set_Device_List();
    CB_IOLink_SelectDevice->setCurrentText(q(Select_Device(p.IOLink_SelectDevice, p.BACnet_Type)));

    setOctets(BACnet_IP_Slave_IP, p.BACnet_IP);
    setOctets(BACnet_IP_Slave_SM, p.BACnet_SM);
    CB_BACnet_IP_Slave_GAT->setChecked(p.BACnet_EN_GAT);
    setOctets(BACnet_IP_Slave_GAT, p.BACnet_GAT);
    E_BACnet_IP_Slave_Port->setText(q(p.BACnet_PORT));
    E_BACnet_IP_Slave_Device_Name->setText(q(p.BACnet_NAME_STA));
    E_BACnet_IP_Slave_Device_Identifier->setText(q(p.BACnet_DEV_IDE));
    CB_BACnet_MSTP_Slave_Baudrate->setCurrentIndex(p.BACnet_Ser_Baudrate);
    CB_BACnet_MSTP_Slave_Parity->setCurrentIndex(p.BACnet_Ser_Parity);
    E_BACnet_MSTP_Slave_Device_Name->setText(q(p.BACnet_Ser_NAME_STA));
    E_BACnet_MSTP_Slave_MAC_Address->setText(q(p.BACnet_Ser_ID));
    E_BACnet_MSTP_Slave_Max_Master->setText(q(p.BACnet_Ser_Max_Master));
    E_BACnet_MSTP_Slave_Max_Info_Frame->setText(q(p.BACnet_Ser_Max_Info_Frames));
    E_BACnet_MSTP_Slave_Device_Instance->setText(q(p.BACnet_Ser_DEV_IDE));
    E_BACnet_MSTP_Slave_Network->setText(q(p.BACnet_Ser_Network));
    CB_BACnet_Slave_Desc_32_Chars->setChecked(p.BACnet_Desc_Chars_Limit);
    CB_BACnet_Slave_Enable_BBMD->setChecked(p.BACnet_EN_BBMD);
    CB_BACnet_Slave_Enable_Accept_FDR->setChecked(p.BACnet_EN_FDR);

    setOctets(Ethernet_IP, p.Ethernet_IP);
    setOctets(Ethernet_SM, p.Ethernet_SM);
    CB_Ethernet_En_GAT->setChecked(p.Ethernet_EN_GAT);
    setOctets(Ethernet_GAT, p.Ethernet_GAT);

    E_WebServer_Username->setText(q(p.WebServer_Username));
    E_WebServer_Password->setText(q(p.WebServer_Password));
    showingValues_ = false;

    Order_TAB_Panels_412();
    RePosition_Objects_412();
}

ParGen TFParGen::Values() const {
    ParGen p;
    p.Eth_Conn_Device_Name = s(E_EthConn_Device_Name->text());
    p.Eth_Conn_DHCP_Cable = CB_EthConn_En_DHCP_Cable->isChecked();
    p.Eth_Conn_DHCP_WiFi = false;
    p.Eth_Conn_Enable_DNS = CB_EthConn_Enable_DNS->isChecked();
    p.Eth_Conn_Primary_DNS = octets(EthConn_Pri_DNS);
    p.Eth_Conn_Secondary_DNS = octets(EthConn_Sec_DNS);
    p.IOLink_SelectDevice = s(CB_IOLink_SelectDevice->currentText());
    p.Ethernet_IP = octets(Ethernet_IP);
    p.Ethernet_SM = octets(Ethernet_SM);
    p.Ethernet_GAT = octets(Ethernet_GAT);
    p.Ethernet_EN_GAT = CB_Ethernet_En_GAT->isChecked();
    p.BACnet_Type = CB_BACnet_Slave_Type->currentIndex();
    p.BACnet_IP = octets(BACnet_IP_Slave_IP);
    p.BACnet_SM = octets(BACnet_IP_Slave_SM);
    p.BACnet_GAT = octets(BACnet_IP_Slave_GAT);
    p.BACnet_EN_GAT = CB_BACnet_IP_Slave_GAT->isChecked();
    p.BACnet_PORT = s(E_BACnet_IP_Slave_Port->text());
    p.BACnet_NAME_STA = s(E_BACnet_IP_Slave_Device_Name->text());
    p.BACnet_DEV_IDE = s(E_BACnet_IP_Slave_Device_Identifier->text());
    p.BACnet_Ser_Baudrate = CB_BACnet_MSTP_Slave_Baudrate->currentIndex();
    p.BACnet_Ser_Parity = CB_BACnet_MSTP_Slave_Parity->currentIndex();
    p.BACnet_Ser_ID = s(E_BACnet_MSTP_Slave_MAC_Address->text());
    p.BACnet_Ser_NAME_STA = s(E_BACnet_MSTP_Slave_Device_Name->text());
    p.BACnet_Ser_Max_Master = s(E_BACnet_MSTP_Slave_Max_Master->text());
    p.BACnet_Ser_Max_Info_Frames = s(E_BACnet_MSTP_Slave_Max_Info_Frame->text());
    p.BACnet_Ser_DEV_IDE = s(E_BACnet_MSTP_Slave_Device_Instance->text());
    p.BACnet_Ser_Network = s(E_BACnet_MSTP_Slave_Network->text());
    p.BACnet_Desc_Chars_Limit = CB_BACnet_Slave_Desc_32_Chars->isChecked();
    p.BACnet_EN_BBMD = CB_BACnet_Slave_Enable_BBMD->isChecked();
    p.BACnet_EN_FDR = CB_BACnet_Slave_Enable_Accept_FDR->isChecked();
    p.WebServer_Username = s(E_WebServer_Username->text());
    p.WebServer_Password = s(E_WebServer_Password->text());
    return p;
}

} // namespace kestrion::gui
