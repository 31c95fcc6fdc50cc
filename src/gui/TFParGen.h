#pragma once
#include "gui/LangWindow.h"
#include "params/ParGen.h"

#include <array>
#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrion::gui {

class CategoryPanel;
class CategoryPanelStack;
class Prompter;
class TitlePanel;

// Step 2, "Set Communication": the editor of the project's communication parameters
// (ParGen.xml). Loads the file at every showing, shows the panels and rows of the chosen
// BACnet type, and writes the file only when OK finds every value valid.
class TFParGen : public QDialog, public LangWindow {
    Q_OBJECT
public:
    TFParGen(GlobalState& state, Prompter& prompter, QWidget* parent = nullptr);
    void Set_Lang() override;

    static constexpr int ClientWidth = 460;

    // Four octet fields of one address and the dots between them.
    struct OctetRow {
        QWidget* caption = nullptr; // a label, or the check box of a gateway row
        std::array<QLineEdit*, 4> field{};
        std::array<QLabel*, 3> dot{};
    };

    CategoryPanelStack* CPG;
    CategoryPanel* CP_Ethernet_Connection;
    CategoryPanel* CP_IOLink;
    CategoryPanel* CP_BACnet_Slave;
    CategoryPanel* CP_Ethernet;
    CategoryPanel* CP_WebServer;

    QLabel* L_EthConn_Device_Name;
    QLineEdit* E_EthConn_Device_Name;
    QCheckBox* CB_EthConn_En_DHCP_Cable;
    QCheckBox* CB_EthConn_En_DHCP_WiFi;
    QCheckBox* CB_EthConn_Enable_DNS;
    OctetRow EthConn_Pri_DNS;
    OctetRow EthConn_Sec_DNS;

    QLabel* L_IOLink_SelectDevice;
    QComboBox* CB_IOLink_SelectDevice;

    QLabel* L_BACnet_Slave_Type;
    QComboBox* CB_BACnet_Slave_Type;
    OctetRow BACnet_IP_Slave_IP;
    OctetRow BACnet_IP_Slave_SM;
    QCheckBox* CB_BACnet_IP_Slave_GAT;
    OctetRow BACnet_IP_Slave_GAT;
    QLabel* L_BACnet_IP_Slave_Port;
    QLineEdit* E_BACnet_IP_Slave_Port;
    QLabel* L_BACnet_IP_Slave_Device_Name;
    QLineEdit* E_BACnet_IP_Slave_Device_Name;
    QLabel* L_BACnet_IP_Slave_Device_Identifier;
    QLineEdit* E_BACnet_IP_Slave_Device_Identifier;
    QLabel* L_BACnet_MSTP_Slave_Baudrate;
    QComboBox* CB_BACnet_MSTP_Slave_Baudrate;
    QLabel* L_BACnet_MSTP_Slave_Parity;
    QComboBox* CB_BACnet_MSTP_Slave_Parity;
    QLabel* L_BACnet_MSTP_Slave_Device_Name;
    QLineEdit* E_BACnet_MSTP_Slave_Device_Name;
    QLabel* L_BACnet_MSTP_Slave_MAC_Address;
    QLineEdit* E_BACnet_MSTP_Slave_MAC_Address;
    QLabel* L_BACnet_MSTP_Slave_Max_Master;
    QLineEdit* E_BACnet_MSTP_Slave_Max_Master;
    QLabel* L_BACnet_MSTP_Slave_Max_Info_Frame;
    QLineEdit* E_BACnet_MSTP_Slave_Max_Info_Frame;
    QLabel* L_BACnet_MSTP_Slave_Device_Instance;
    QLineEdit* E_BACnet_MSTP_Slave_Device_Instance;
    QLabel* L_BACnet_MSTP_Slave_Network;
    QLineEdit* E_BACnet_MSTP_Slave_Network;
    QCheckBox* CB_BACnet_Slave_Desc_32_Chars;
    QCheckBox* CB_BACnet_Slave_Enable_BBMD;
    QCheckBox* CB_BACnet_Slave_Enable_Accept_FDR;

    OctetRow Ethernet_IP;
    OctetRow Ethernet_SM;
    QCheckBox* CB_Ethernet_En_GAT;
    OctetRow Ethernet_GAT;

    QLabel* L_WebServer_Username;
    QLineEdit* E_WebServer_Username;
    QLabel* L_WebServer_Password;
    QLineEdit* E_WebServer_Password;

    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;

    // The values as the fields hold them now.
    ParGen Values() const;
    // Puts a parameter set into the fields and lays the dialog out for it.
    void Show_Values(const ParGen& values);

public slots:
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEthernetConnection();
    void buildIOLink();
    void buildBACnetSlave();
    void buildEthernet();
    void buildWebServer();
    OctetRow makeOctetRow(QWidget* parent, const QString& stem, QWidget* caption, int y);
    void chainOctets(std::initializer_list<const OctetRow*> rows);

    void FormShow();
    void On_TypeChange();
    void IOLink_Set_Device_List();
    void Order_TAB_Panels_412();
    void RePosition_Objects_412();

    GlobalState& state_;
    Prompter& prompter_;
    TitlePanel* title_;
    QHash<QLineEdit*, QLineEdit*> nextOctet_;
    bool showingValues_ = false;
};

} // namespace kestrion::gui
