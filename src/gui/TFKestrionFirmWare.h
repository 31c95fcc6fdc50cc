#pragma once
#include "gui/LangWindow.h"

#include <QWidget>
#include <filesystem>
#include <functional>

class QDialog;
class QLabel;
class QTimer;
class QToolButton;

namespace kestrion::gui {

class Prompter;
class TFAbout;
class TFIOLink_IODD_Catalog;
class TFNew_Project;
class TFOpenConf;
class TFParGen;
class TFSoftOptions;
class VersionChecker;

// The main window: the model's identity, the active configuration and the numbered steps
// from creating a project to updating the device. Its creation performs the start-up of
// the workspace, and it owns every other window for the life of the program.
class TFKestrionFirmWare : public QWidget, public LangWindow {
    Q_OBJECT
public:
    TFKestrionFirmWare(GlobalState& state, Prompter& prompter,
                       const std::filesystem::path& workspace, QWidget* parent = nullptr);
    ~TFKestrionFirmWare() override;

    void Set_Lang() override;
    // Re-applies the texts of every window after the language has changed.
    void Change_Language();
    // Writes the settings file; a failure is reported, never fatal.
    bool Save_Setting();

    // How modal dialogs are run; tests replace it to answer without a real event loop.
    std::function<int(QDialog&)> runDialog;

    VersionChecker* versionChecker() const { return versionChecker_; }
    QTimer* Timer_Update;
    QLabel* LL_Update;
    QLabel* L_Tavrin;
    QLabel* L_Conf1;
    QLabel* L_Conf2;

    TFNew_Project* FNew_Project;
    TFOpenConf* FOpenConf;
    TFParGen* FParGen;
    TFIOLink_IODD_Catalog* FIOLink_IODD_Catalog;
    TFAbout* FAbout;
    TFSoftOptions* FSoftOptions;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Step {
        NewConfiguration, OpenConfiguration, SetCommunication, IOLinkSetAccess,
        SetBACnetAccess, SetBDTAccess, BACnetEDEFile, UpdateDevice
    };
    void buildLayout();
    QToolButton* makeStepButton(Step step, const char* objectName, int left, int top);
    QToolButton* makePictureButton(const char* objectName, int left, int icon);
    void Btn_Click(Step step);
    void Create_New_Project();
    void Open_Project();
    void Options();
    void showConfigurationLabels();
    void applyTimerRule();
    void Timer_UpdateTimer();
    void timerCheckDone(bool newer);
    void showUpdateNotice(bool newer);

    GlobalState& state_;
    Prompter& prompter_;
    VersionChecker* versionChecker_;
    bool timerCheckPending_ = false;
    QLabel* L_Begin_;
    QLabel* L_Steps_[6];
    std::vector<std::pair<Step, QToolButton*>> stepButtons_;
    QToolButton* Btn_Information_;
    QToolButton* Btn_Options_;
    QToolButton* Btn_Close_;
    // The window each modal step opens, once it exists.
    std::vector<std::pair<Step, QDialog*>> stepDialogs_;
};

} // namespace kestrion::gui
