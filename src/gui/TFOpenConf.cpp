#include "gui/TFOpenConf.h"

#include "gui/DialogFrame.h"
#include "gui/TitlePanel.h"
#include "workspace/Projects.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kestrion::gui {

TFOpenConf::TFOpenConf(GlobalState& state, QWidget* parent) : QDialog(parent), state_(state) {
    setObjectName("FOpenConf");
    DialogFrame frame(this, QSize(377, 351));
    title_ = frame.title();
    L_List_ = new QLabel(frame.body());
    ListBox1 = new QListWidget(frame.body());
    ListBox1->setObjectName("ListBox1");
    frame.addRow(L_List_);
    frame.addRow(ListBox1);
    Btn_OK = frame.addButton("Btn_OK");
    Btn_Cancel = frame.addButton("Btn_Cancel");
    // Enter opens the selected configuration, as OK does.
    Btn_OK->setDefault(true);

    connect(ListBox1, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    setWindowTitle(T(state_, 200));
    title_->setDescription(T(state_, 201));
    L_List_->setText(T(state_, 202));
    Btn_OK->setText(T(state_, 203));
    Btn_Cancel->setText(T(state_, 204));
    ListBox1->setToolTip(T(state_, 205));
    Btn_OK->setToolTip(T(state_, 206));
    Btn_Cancel->setToolTip(T(state_, 207));
}

void TFOpenConf::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Load_Existing_Configuration();
}

void TFOpenConf::Load_Existing_Configuration() {
    SL = list_projects(state_.Path_Projects);
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const auto& name : SL) ListBox1->addItem(QString::fromStdString(name));

    // Preselect the active project, else the first one; with no projects the earlier
    // choice stays.
    int row = Search_Open_Conf(SL, active_project_name(state_.Path_Projects, state_.Path_Proj));
    if (row < 0 && !SL.empty()) row = 0;
    if (row >= 0) {
        ListBox1->setCurrentRow(row);
        Name_Conf = SL[static_cast<size_t>(row)];
    }
    ListBox1->setFocus();
}

void TFOpenConf::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row >= 0 && row < static_cast<int>(SL.size())) Name_Conf = SL[static_cast<size_t>(row)];
}

} // namespace kestrion::gui
