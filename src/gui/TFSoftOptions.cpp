#include "gui/TFSoftOptions.h"

#include "gui/ClickableLabel.h"
#include "gui/DialogFrame.h"
#include "gui/Prompter.h"
#include "gui/TitlePanel.h"
#include "gui/VersionChecker.h"
#include "gui/WebLinks.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kestrion::gui {

TFSoftOptions::TFSoftOptions(GlobalState& state, Prompter& prompter, VersionChecker& checker,
                             QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), checker_(checker) {
    setObjectName("FSoftOptions");
    DialogFrame frame(this, QSize(509, 373));
    title_ = frame.title();
    pages = new QTabWidget(frame.body());
    pages->setObjectName("PageControl");
    frame.addRow(pages);
    buildLanguagePage();
    buildConnectionPage();
    buildSettingsPage();
    Btn_OK = frame.addButton("Btn_OK");
    Btn_Cancel = frame.addButton("Btn_Cancel");
    connect(Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&checker_, &VersionChecker::Check_Version_Done, this, &TFSoftOptions::checkDone);
    Set_Lang();
}

void TFSoftOptions::buildLanguagePage() {
    auto* page = new QWidget(pages);
    auto* layout = new QVBoxLayout(page);
    L_Selected_Language = new QLabel(page);
    L_Selected_Language->setObjectName("L_Selected_Language");
    L_Page = new QLabel(page);
    L_Page->setObjectName("L_Page");
    auto* top = new QHBoxLayout;
    top->addWidget(L_Selected_Language, 1);
    top->addWidget(L_Page);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    for (int k = 0; k < LanguagePaging::Slots; ++k) {
        Img_Flag[k] = new ClickableLabel(page);
        Img_Flag[k]->setObjectName(QStringLiteral("Img_Flag%1").arg(k + 1));
        Img_Flag[k]->setFixedSize(48, 32);
        Img_Flag[k]->setScaledContents(true);
        Img_Flag[k]->setCursor(Qt::PointingHandCursor);
        // A flat button rather than a label: a language can be picked from the keyboard too.
        L_Lang[k] = new QToolButton(page);
        L_Lang[k]->setObjectName(QStringLiteral("L_Lang%1").arg(k + 1));
        L_Lang[k]->setAutoRaise(true);
        L_Lang[k]->setCursor(Qt::PointingHandCursor);
        connect(Img_Flag[k], &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });
        connect(L_Lang[k], &QToolButton::clicked, this, [this, k] { LangClick(k + 1); });
        grid->addWidget(Img_Flag[k], k / 2, (k % 2) * 2);
        grid->addWidget(L_Lang[k], k / 2, (k % 2) * 2 + 1);
    }
    layout->addLayout(grid);
    layout->addStretch(1);

    Btn_Previous = new QPushButton(page);
    Btn_Previous->setObjectName("Btn_Previous");
    Btn_Next = new QPushButton(page);
    Btn_Next->setObjectName("Btn_Next");
    connect(Btn_Previous, &QPushButton::clicked, this, [this] { Btn_NextClick(false); });
    connect(Btn_Next, &QPushButton::clicked, this, [this] { Btn_NextClick(true); });
    auto* nav = new QHBoxLayout;
    nav->addWidget(Btn_Previous);
    nav->addStretch(1);
    nav->addWidget(Btn_Next);
    layout->addLayout(nav);
    pages->addTab(page, QString());
}

void TFSoftOptions::buildConnectionPage() {
    auto* page = new QWidget(pages);
    auto* layout = new QVBoxLayout(page);
    CB_En_Con = new QCheckBox(page);
    CB_En_Con->setObjectName("CB_En_Con");
    CB_Update = new QCheckBox(page);
    CB_Update->setObjectName("CB_Update");
    Btn_Check_Update = new QPushButton(page);
    Btn_Check_Update->setObjectName("Btn_Check_Update");
    LL_Check_Update = new QLabel(page);
    LL_Check_Update->setObjectName("LL_Check_Update");
    connect(LL_Check_Update, &QLabel::linkActivated, this, [](const QString& link) { openUrl(QUrl(link)); });
    layout->addWidget(CB_En_Con);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(20);
    indented->addWidget(CB_Update);
    layout->addLayout(indented);
    auto* check = new QHBoxLayout;
    check->addWidget(Btn_Check_Update);
    check->addWidget(LL_Check_Update, 1);
    layout->addLayout(check);
    layout->addStretch(1);
    for (QCheckBox* box : {CB_En_Con, CB_Update})
        connect(box, &QCheckBox::toggled, this, &TFSoftOptions::Update_CheckBox);
    connect(Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);
    pages->addTab(page, QString());
}

void TFSoftOptions::buildSettingsPage() {
    auto* page = new QWidget(pages);
    auto* layout = new QVBoxLayout(page);
    CB_Soft_Set_Jump_Table = new QCheckBox(page);
    CB_Soft_Set_Jump_Table->setObjectName("CB_Soft_Set_Jump_Table");
    CB_DoubleClick_Auto_Size = new QCheckBox(page);
    CB_DoubleClick_Auto_Size->setObjectName("CB_DoubleClick_Auto_Size");
    layout->addWidget(CB_Soft_Set_Jump_Table);
    layout->addWidget(CB_DoubleClick_Auto_Size);
    layout->addStretch(1);
    pages->addTab(page, QString());
}

void TFSoftOptions::Set_Lang() {
    setWindowTitle(T(state_, 300));
    title_->setDescription(T(state_, 301));
    pages->setTabText(0, T(state_, 302));
    pages->setTabText(1, T(state_, 303));
    pages->setTabText(2, T(state_, 319));
    Btn_Previous->setText(T(state_, 307));
    Btn_Next->setText(T(state_, 308));
    CB_En_Con->setText(T(state_, 309));
    CB_Update->setText(T(state_, 310));
    Btn_Check_Update->setText(T(state_, 311));
    Btn_OK->setText(T(state_, 312));
    Btn_Cancel->setText(T(state_, 313));
    CB_Soft_Set_Jump_Table->setText(T(state_, 320));
    CB_DoubleClick_Auto_Size->setText(T(state_, 321));
}

void TFSoftOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Language_In_Use = state_.Language;
    Create_Lang_List();
    LL_Check_Update->hide();
    pages->setCurrentIndex(0);
    CB_En_Con->setChecked(state_.Enable_Internet);
    CB_Update->setChecked(state_.Enable_Update);
    CB_Soft_Set_Jump_Table->setChecked(state_.Enable_Jump_Field);
    CB_DoubleClick_Auto_Size->setChecked(state_.Double_Click_Auto_Size);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages = list_language_files(state_.Path_Language);
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    const LanguagePaging paging = this->paging();
    L_Selected_Language->setText(T(state_, 304) + QString::fromStdString(Language_In_Use));
    L_Page->setText(T(state_, 305) + QString::number(Num_Page) + T(state_, 306) +
                    QString::number(paging.pages()));
    Btn_Previous->setVisible(Num_Page != 1);
    Btn_Next->setVisible(Num_Page != paging.pages());

    const QString folder = QString::fromStdString(state_.Path_Language.string()) + '/';
    for (int k = 1; k <= LanguagePaging::Slots; ++k) {
        const bool shown = paging.shown_on(Num_Page) >= k;
        L_Lang[k - 1]->setVisible(shown);
        Img_Flag[k - 1]->setVisible(false);
        if (!shown) continue;
        const QString name = QString::fromStdString(
            language_name(SL_Languages[static_cast<size_t>(LanguagePaging::index_of(Num_Page, k))]));
        L_Lang[k - 1]->setText(name);
        for (const QString& flag : {folder + name + ".bmp", folder + "DefaultFlag.bmp"}) {
            if (!QFile::exists(flag)) continue;
            Img_Flag[k - 1]->setPixmap(QPixmap(flag));
            Img_Flag[k - 1]->setVisible(true);
            break;
        }
    }
}

void TFSoftOptions::Btn_NextClick(bool next) {
    if (next && Show_Page + 1 <= paging().pages()) ++Show_Page;
    if (!next && Show_Page - 1 > 0) --Show_Page;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int slot) {
    const int index = LanguagePaging::index_of(Show_Page, slot);
    if (index < 0 || index >= static_cast<int>(SL_Languages.size())) return;
    const std::string name = language_name(SL_Languages[static_cast<size_t>(index)]);
    const QString question = T(state_, 316) + QString::fromStdString(Language_In_Use) + T(state_, 317) +
                             QString::fromStdString(name) + T(state_, 318);
    if (!prompter_.yesNo(this, question)) return;
    Language_In_Use = name;
    // The texts change at once; the setting itself only on OK.
    std::string language = name;
    Load_Language(state_.Lang_Text, state_.Path_Language, language);
    if (changeLanguage) changeLanguage();
    else Set_Lang();
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
    CB_Update->setEnabled(CB_En_Con->isChecked());
    Btn_Check_Update->setEnabled(CB_Update->isEnabled() && CB_Update->isChecked() && !checkPending_);
}

void TFSoftOptions::Btn_Check_UpdateClick() {
    checkPending_ = true;
    Update_CheckBox();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    checker_.Check_Version();
}

void TFSoftOptions::checkDone(bool newer) {
    if (!checkPending_) return;
    checkPending_ = false;
    QApplication::restoreOverrideCursor();
    if (newer) {
        LL_Check_Update->setTextFormat(Qt::RichText);
        LL_Check_Update->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                     .arg(downloadPageUrl().toString(), T(state_, 314).toHtmlEscaped()));
    } else {
        LL_Check_Update->setTextFormat(Qt::PlainText);
        LL_Check_Update->setText(T(state_, 315));
    }
    LL_Check_Update->show();
    Update_CheckBox();
}

void TFSoftOptions::Btn_OKClick() {
    state_.Language = Language_In_Use;
    state_.Enable_Internet = CB_En_Con->isChecked();
    state_.Enable_Update = CB_Update->isChecked();
    state_.Enable_Jump_Field = CB_Soft_Set_Jump_Table->isChecked();
    state_.Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->isChecked();
    accept();
}

} // namespace kestrion::gui
