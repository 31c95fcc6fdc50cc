#pragma once
#include "gui/LangWindow.h"
#include "iodd/IoddCatalog.h"

#include <QDialog>
#include <string>
#include <vector>

class QPushButton;
class QTableWidget;

namespace kestrion::gui {

class Prompter;
class TitlePanel;

// The IODD catalog: lists the device files of the catalog folder with their vendor and
// device names, adds files to the folder, and lets the channel editor pick one. Picking
// changes nothing; the caller reads Selected_File() after an accepted dialog.
class TFIOLink_IODD_Catalog : public QDialog, public LangWindow {
    Q_OBJECT
public:
    TFIOLink_IODD_Catalog(GlobalState& state, Prompter& prompter, QWidget* parent = nullptr);
    void Set_Lang() override;

    // Fills the table from the catalog folder: one row per file, or one empty row.
    void Read_Catalog();
    // The FileName cell of the selected row; empty for the empty row or no selection.
    std::string Selected_File() const;

    QTableWidget* ASG_IODD_Cat;
    QPushButton* Btn_OK;
    QPushButton* Btn_Cancel;
    QPushButton* Btn_Add_IODD;
    std::vector<IoddCatalogEntry> Entries;

    // Listings longer than this show a progress window while they are read.
    static constexpr std::size_t Progress_Threshold = 40;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Btn_OKClick();
    void Btn_Add_IODDClick();
    void Fill_Table();

    GlobalState& state_;
    Prompter& prompter_;
    TitlePanel* title_;
};

} // namespace kestrion::gui
