#include "gui/TFKestrionFirmWare.h"

#include "gui/Prompter.h"
#include "gui/Style.h"
#include "gui/TFAbout.h"
#include "gui/TFIOLink_IODD_Catalog.h"
#include "gui/TFNew_Project.h"
#include "gui/TFOpenConf.h"
#include "gui/TFParGen.h"
#include "gui/TFSoftOptions.h"
#include "gui/VersionChecker.h"
#include "gui/WebLinks.h"
#include "workspace/ModelIdentity.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

namespace kestrion::gui {
namespace {

constexpr int kFirstTimerTickMs = 60000;
constexpr int kTimerRepeatMs = 7200000;
constexpr int kStepRowTop = 112;
constexpr int kStepRowPitch = 44;
// Text shown when the settings file cannot be written at close.
constexpr int kTextSettingsNotSaved = 71;

struct StepText {
    int caption;
    int hint;
};

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

} // namespace

TFKestrionFirmWare::TFKestrionFirmWare(GlobalState& state, Prompter& prompter,
                                       const std::filesystem::path& workspace, QWidget* parent)
    : QWidget(parent), state_(state), prompter_(prompter) {
    runDialog = [](QDialog& dialog) { return dialog.exec(); };
    setObjectName("FKestrionFirmWare");
    Timer_Update = new QTimer(this);
    Timer_Update->setInterval(kFirstTimerTickMs);
    connect(Timer_Update, &QTimer::timeout, this, &TFKestrionFirmWare::Timer_UpdateTimer);
    versionChecker_ = new VersionChecker(this);
    connect(versionChecker_, &VersionChecker::Check_Version_Done, this,
            &TFKestrionFirmWare::timerCheckDone);

    buildLayout();
    start_workspace(state_, workspace);
    applyTimerRule();
    setWindowTitle(q(SW_Caption));
    Set_Lang();

    // Every other window is created once, after the texts are loaded.
    FNew_Project = new TFNew_Project(state_, prompter_, this);
    FOpenConf = new TFOpenConf(state_, this);
    FAbout = new TFAbout(this);
    FSoftOptions = new TFSoftOptions(state_, prompter_, *versionChecker_, this);
    FSoftOptions->changeLanguage = [this] { Change_Language(); };
    FParGen = new TFParGen(state_, prompter_, this);
    stepDialogs_.emplace_back(Step::SetCommunication, FParGen);
    // Opened from the IO-Link channel editor, not from a step of its own.
    FIOLink_IODD_Catalog = new TFIOLink_IODD_Catalog(state_, prompter_, this);
}

TFKestrionFirmWare::~TFKestrionFirmWare() = default;

void TFKestrionFirmWare::buildLayout() {
    setFont(baseFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, windowBackground());
    setPalette(pal);
    setAutoFillBackground(true);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Client area: as high as the last step row plus the space under it.
    setFixedSize(694, kStepRowTop + 5 * kStepRowPitch + 152);

    auto* code = new QLabel(q(SW_Code), this);
    code->setObjectName("L_Code");
    code->setFont(codeFont());
    code->setStyleSheet("color: grey");
    code->move(16, 8);
    code->adjustSize();
    auto* desc = new QLabel(q(SW_Desc), this);
    desc->setObjectName("L_Desc");
    QFont bold = baseFont();
    bold.setBold(true);
    desc->setFont(bold);
    desc->setStyleSheet("color: grey");
    desc->move(16, 42);
    desc->adjustSize();

    LL_Update = new QLabel(this);
    LL_Update->setObjectName("LL_Update");
    LL_Update->setGeometry(208, 19, 300, 16);
    LL_Update->setTextFormat(Qt::RichText);
    LL_Update->hide();
    connect(LL_Update, &QLabel::linkActivated, this, [](const QString& link) { openUrl(QUrl(link)); });

    Btn_Information_ = makePictureButton("Btn_Information", 516, QStyle::SP_MessageBoxInformation);
    Btn_Options_ = makePictureButton("Btn_Options", 574, QStyle::SP_FileDialogDetailedView);
    Btn_Close_ = makePictureButton("Btn_Close", 632, QStyle::SP_DialogCloseButton);
    connect(Btn_Information_, &QToolButton::clicked, this, [this] { runDialog(*FAbout); });
    connect(Btn_Options_, &QToolButton::clicked, this, &TFKestrionFirmWare::Options);
    connect(Btn_Close_, &QToolButton::clicked, this, &QWidget::close);

    L_Begin_ = new QLabel(this);
    L_Begin_->setObjectName("L_Begin");
    L_Begin_->setGeometry(16, 84, 60, 16);
    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(80, 70, 348, 36);
    L_Conf1 = new QLabel(this);
    L_Conf1->setObjectName("L_Conf1");
    L_Conf1->setGeometry(87, 75, 336, 13);
    L_Conf2 = new QLabel(this);
    L_Conf2->setObjectName("L_Conf2");
    L_Conf2->setGeometry(87, 88, 336, 14);

    for (int i = 0; i < 6; ++i) {
        L_Steps_[i] = new QLabel(this);
        L_Steps_[i]->setObjectName(QStringLiteral("L_Step%1").arg(i + 1));
        L_Steps_[i]->setGeometry(16, kStepRowTop + 16 + i * kStepRowPitch, 60, 16);
    }
    const auto row = [](int i) { return kStepRowTop + i * kStepRowPitch; };
    makeStepButton(Step::NewConfiguration, "Btn_New_Configuration", 80, row(0));
    makeStepButton(Step::OpenConfiguration, "Btn_Open_Configuration", 258, row(0));
    makeStepButton(Step::SetCommunication, "Btn_Set_Communication", 80, row(1));
    makeStepButton(Step::IOLinkSetAccess, "Btn_IOLink_Set_Access", 80, row(2));
    makeStepButton(Step::SetBACnetAccess, "Btn_Set_BACnet_Access", 80, row(3));
    makeStepButton(Step::SetBDTAccess, "Btn_Set_BDT_Access", 258, row(3));
    makeStepButton(Step::BACnetEDEFile, "Btn_BACnet_EDE_File", 80, row(4));
    makeStepButton(Step::UpdateDevice, "Btn_Update_Device", 80, row(5));

    L_Tavrin = new QLabel(this);
    L_Tavrin->setObjectName("L_Tavrin");
    L_Tavrin->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(homePageUrl().toString(), makerSiteName()));
    L_Tavrin->move(565, row(5) + 16);
    L_Tavrin->adjustSize();
    connect(L_Tavrin, &QLabel::linkActivated, this, [] { openHomePage(); });

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(10, row(5) + 51, 674, 1);
}

QToolButton* TFKestrionFirmWare::makeStepButton(Step step, const char* objectName, int left, int top) {
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setGeometry(left, top, 170, 36);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QToolButton::clicked, this, [this, step] { Btn_Click(step); });
    stepButtons_.emplace_back(step, button);
    return button;
}

QToolButton* TFKestrionFirmWare::makePictureButton(const char* objectName, int left, int icon) {
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setGeometry(left, 8, 50, 50);
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    return button;
}

void TFKestrionFirmWare::Set_Lang() {
    static const std::pair<Step, StepText> texts[] = {
        {Step::NewConfiguration, {15, 22}}, {Step::OpenConfiguration, {16, 23}},
        {Step::SetCommunication, {20, 24}}, {Step::IOLinkSetAccess, {21, 25}},
        {Step::SetBACnetAccess, {29, 30}},  {Step::SetBDTAccess, {63, 64}},
        {Step::BACnetEDEFile, {31, 32}},    {Step::UpdateDevice, {17, 26}}};
    for (const auto& [step, button] : stepButtons_) {
        for (const auto& [textStep, text] : texts) {
            if (textStep != step) continue;
            button->setText(T(state_, text.caption));
            button->setToolTip(T(state_, text.hint));
        }
    }
    L_Begin_->setText(T(state_, 0));
    for (int i = 0; i < 6; ++i) L_Steps_[i]->setText(T(state_, i + 1));
    Btn_Information_->setToolTip(T(state_, 12));
    Btn_Options_->setToolTip(T(state_, 13));
    Btn_Close_->setToolTip(T(state_, 14));
    if (LL_Update->isVisible()) showUpdateNotice(true);
    showConfigurationLabels();
}

void TFKestrionFirmWare::Change_Language() {
    Set_Lang();
    for (LangWindow* window : std::initializer_list<LangWindow*>{FNew_Project, FOpenConf, FSoftOptions,
                                                                 FParGen, FIOLink_IODD_Catalog})
        if (window) window->Set_Lang();
}

void TFKestrionFirmWare::showConfigurationLabels() {
    if (state_.project_active()) {
        L_Conf1->setText(T(state_, 11));
        L_Conf2->setText(QString::fromStdString(state_.Name_Proj));
    } else {
        L_Conf1->setText(T(state_, 9));
        L_Conf2->setText(T(state_, 10));
    }
}

void TFKestrionFirmWare::Btn_Click(Step step) {
    switch (step) {
    case Step::NewConfiguration: Create_New_Project(); return;
    case Step::OpenConfiguration: Open_Project(); return;
    default: break;
    }
    // The only check of a project's validity: a project folder is set.
    if (!state_.project_active()) {
        prompter_.error(this, T(state_, 18));
        return;
    }
    for (const auto& [dialogStep, dialog] : stepDialogs_)
        if (dialogStep == step) runDialog(*dialog);
}

void TFKestrionFirmWare::Create_New_Project() {
    if (runDialog(*FNew_Project) == QDialog::Accepted) showConfigurationLabels();
}

void TFKestrionFirmWare::Open_Project() {
    if (runDialog(*FOpenConf) != QDialog::Accepted) return;
    state_.activate_project(FOpenConf->Name_Conf);
    showConfigurationLabels();
}

void TFKestrionFirmWare::Options() {
    if (runDialog(*FSoftOptions) != QDialog::Accepted) return;
    Save_Setting();
    applyTimerRule();
}

void TFKestrionFirmWare::applyTimerRule() {
    // Enabling a running timer leaves its wait as it is.
    if (!state_.update_check_allowed()) Timer_Update->stop();
    else if (!Timer_Update->isActive()) Timer_Update->start();
}

void TFKestrionFirmWare::Timer_UpdateTimer() {
    Timer_Update->stop();
    timerCheckPending_ = true;
    versionChecker_->Check_Version();
}

void TFKestrionFirmWare::timerCheckDone(bool newer) {
    // The options dialog asks the same server; only the timer's own check moves the notice.
    if (!timerCheckPending_) return;
    timerCheckPending_ = false;
    showUpdateNotice(newer);
    Timer_Update->setInterval(kTimerRepeatMs);
    // The user may have switched the check off while the answer was on its way.
    applyTimerRule();
}

void TFKestrionFirmWare::showUpdateNotice(bool newer) {
    if (newer) {
        LL_Update->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                               .arg(downloadPageUrl().toString(), T(state_, 19).toHtmlEscaped()));
        LL_Update->show();
    } else {
        LL_Update->hide();
    }
}

bool TFKestrionFirmWare::Save_Setting() {
    const WriteResult result = kestrion::Save_Setting(state_);
    if (!result.ok()) prompter_.warning(this, T(state_, kTextSettingsNotSaved) + QString::fromStdString(result.error));
    return result.ok();
}

void TFKestrionFirmWare::closeEvent(QCloseEvent* event) {
    // Closing always succeeds; a settings file that cannot be written is only reported.
    Save_Setting();
    event->accept();
}

} // namespace kestrion::gui
