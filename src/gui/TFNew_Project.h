#pragma once
#include "gui/LangWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kestrion::gui {

class Prompter;
class TitlePanel;

// Step 1, "New Configuration": asks for a name and creates the project folder with its
// empty "bin" folder, then makes it the active project.
class TFNew_Project : public QDialog, public LangWindow {
    Q_OBJECT
public:
    TFNew_Project(GlobalState& state, Prompter& prompter, QWidget* parent = nullptr);
    void Set_Lang() override;

    QLineEdit* E_New_Proj;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;

public slots:
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    GlobalState& state_;
    Prompter& prompter_;
    TitlePanel* title_;
    QLabel* L_Name_Proj_;
};

} // namespace kestrion::gui
