#pragma once
#include "gui/LangWindow.h"
#include "texts/LanguageList.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace kestrion::gui {

class ClickableLabel;
class Prompter;
class TitlePanel;
class VersionChecker;

// The options dialog: the program's language, page by page; the internet connection and
// the update check; the two table options. Nothing is stored until OK.
class TFSoftOptions : public QDialog, public LangWindow {
    Q_OBJECT
public:
    TFSoftOptions(GlobalState& state, Prompter& prompter, VersionChecker& checker,
                  QWidget* parent = nullptr);
    void Set_Lang() override;

    // Re-applies the texts of every window; set by the main window.
    std::function<void()> changeLanguage;

    void Update_Lang_Page(int Num_Page);
    void LangClick(int slot);
    void Btn_NextClick(bool next);
    void Update_CheckBox();
    void Btn_Check_UpdateClick();
    void Btn_OKClick();

    std::vector<std::string> SL_Languages;
    int Show_Page = 1;
    std::string Language_In_Use;

    QTabWidget* pages;
    QLabel* L_Selected_Language;
    QLabel* L_Page;
    ClickableLabel* Img_Flag[LanguagePaging::Slots];
    QToolButton* L_Lang[LanguagePaging::Slots];
    QPushButton* Btn_Previous;
    QPushButton* Btn_Next;
    QCheckBox* CB_En_Con;
    QCheckBox* CB_Update;
    QPushButton* Btn_Check_Update;
    QLabel* LL_Check_Update;
    QCheckBox* CB_Soft_Set_Jump_Table;
    QCheckBox* CB_DoubleClick_Auto_Size;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildLanguagePage();
    void buildConnectionPage();
    void buildSettingsPage();
    void Create_Lang_List();
    void checkDone(bool newer);
    LanguagePaging paging() const { return {static_cast<int>(SL_Languages.size())}; }

    GlobalState& state_;
    Prompter& prompter_;
    VersionChecker& checker_;
    bool checkPending_ = false;
    TitlePanel* title_;
};

} // namespace kestrion::gui
