#pragma once
#include "gui/LangWindow.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace kestrion::gui {

class TitlePanel;

// Step 1, "Open Configuration": lists the project folders and lets the user pick one.
// The choice (Name_Conf) survives between showings.
class TFOpenConf : public QDialog, public LangWindow {
    Q_OBJECT
public:
    explicit TFOpenConf(GlobalState& state, QWidget* parent = nullptr);
    void Set_Lang() override;

    void Load_Existing_Configuration();

    QListWidget* ListBox1;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    std::vector<std::string> SL;
    std::string Name_Conf;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ListBox1Click();

    GlobalState& state_;
    TitlePanel* title_;
    QLabel* L_List_;
};

} // namespace kestrion::gui
