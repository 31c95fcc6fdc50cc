#include "gui/TFNew_Project.h"

#include "gui/DialogFrame.h"
#include "gui/Prompter.h"
#include "gui/TitlePanel.h"
#include "workspace/Projects.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kestrion::gui {

TFNew_Project::TFNew_Project(GlobalState& state, Prompter& prompter, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter) {
    setObjectName("FNew_Project");
    DialogFrame frame(this, QSize(331, 162));
    title_ = frame.title();
    L_Name_Proj_ = new QLabel(frame.body());
    E_New_Proj = new QLineEdit(frame.body());
    E_New_Proj->setObjectName("E_New_Proj");
    frame.addRow(L_Name_Proj_, E_New_Proj);
    Btn_OK = frame.addButton("Btn_OK");
    Btn_Cancel = frame.addButton("Btn_Cancel");

    connect(Btn_OK, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in the name field confirms, like the OK button.
    connect(E_New_Proj, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    setWindowTitle(T(state_, 100));
    title_->setDescription(T(state_, 101));
    L_Name_Proj_->setText(T(state_, 102));
    Btn_OK->setText(T(state_, 103));
    Btn_Cancel->setText(T(state_, 104));
    E_New_Proj->setToolTip(T(state_, 108));
    Btn_OK->setToolTip(T(state_, 109));
    Btn_Cancel->setToolTip(T(state_, 110));
}

void TFNew_Project::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    E_New_Proj->clear();
    E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick() {
    // The name is taken as typed: blanks are part of it.
    const std::string name = E_New_Proj->text().toStdString();
    if (const int refusal = create_project(state_.Path_Projects, name); refusal != 0) {
        prompter_.error(this, T(state_, refusal));
        return;
    }
    state_.activate_project(name);
    accept();
}

} // namespace kestrion::gui
