#include "gui/TFIOLink_IODD_Catalog.h"

#include "gui/DialogFrame.h"
#include "gui/Prompter.h"
#include "gui/TitlePanel.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>

namespace kestrion::gui {

namespace {

enum Column { Col_Vendor, Col_Device, Col_File, Column_Count };

QTableWidgetItem* cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

TFIOLink_IODD_Catalog::TFIOLink_IODD_Catalog(GlobalState& state, Prompter& prompter,
                                             QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter) {
    setObjectName("FIOLink_IODD_Catalog");
    DialogFrame frame(this, QSize(800, 400));
    title_ = frame.title();
    ASG_IODD_Cat = new QTableWidget(0, Column_Count, frame.body());
    ASG_IODD_Cat->setObjectName("ASG_IODD_Cat");
    ASG_IODD_Cat->setSelectionBehavior(QAbstractItemView::SelectRows);
    ASG_IODD_Cat->setSelectionMode(QAbstractItemView::SingleSelection);
    ASG_IODD_Cat->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ASG_IODD_Cat->verticalHeader()->hide();
    ASG_IODD_Cat->horizontalHeader()->setStretchLastSection(true);
    ASG_IODD_Cat->setColumnWidth(Col_Vendor, 220);
    ASG_IODD_Cat->setColumnWidth(Col_Device, 260);
    frame.addRow(ASG_IODD_Cat);
    Btn_OK = frame.addButton("Btn_OK");
    Btn_Cancel = frame.addButton("Btn_Cancel");
    Btn_Add_IODD = frame.addButton("Btn_Add_IODD");
    // Enter in the table picks the selected row, as OK does.
    Btn_OK->setDefault(true);

    connect(Btn_OK, &QPushButton::clicked, this, &TFIOLink_IODD_Catalog::Btn_OKClick);
    connect(ASG_IODD_Cat, &QTableWidget::cellDoubleClicked, this,
            &TFIOLink_IODD_Catalog::Btn_OKClick);
    connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Btn_Add_IODD, &QPushButton::clicked, this, &TFIOLink_IODD_Catalog::Btn_Add_IODDClick);
    Set_Lang();
}

void TFIOLink_IODD_Catalog::Set_Lang() {
    setWindowTitle(T(state_, 1300));
    title_->setDescription(T(state_, 1301));
    Btn_OK->setText(T(state_, 1302));
    Btn_Cancel->setText(T(state_, 1303));
    Btn_Add_IODD->setText(T(state_, 1304));
    Btn_OK->setToolTip(T(state_, 1305));
    Btn_Cancel->setToolTip(T(state_, 1306));
    Btn_Add_IODD->setToolTip(T(state_, 1307));
    ASG_IODD_Cat->setHorizontalHeaderLabels({T(state_, 1308), T(state_, 1309), T(state_, 1310)});
}

void TFIOLink_IODD_Catalog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Read_Catalog();
}

void TFIOLink_IODD_Catalog::Read_Catalog() {
    const std::size_t total = catalog_file_names(state_.Path_IODD_Catalog).size();
    // A long listing keeps the window alive and can be cut short; the progress window
    // appears only when the reading actually takes a while.
    std::unique_ptr<QProgressDialog> progress;
    if (total > Progress_Threshold) {
        progress = std::make_unique<QProgressDialog>(T(state_, 1312), T(state_, 1303), 0,
                                                     static_cast<int>(total), this);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(400);
    }
    Entries = kestrion::Read_Catalog(state_.Path_IODD_Catalog, [&](std::size_t done, std::size_t) {
        if (!progress) return true;
        progress->setValue(static_cast<int>(done));
        return !progress->wasCanceled();
    });
    Fill_Table();
}

void TFIOLink_IODD_Catalog::Fill_Table() {
    ASG_IODD_Cat->clearContents();
    ASG_IODD_Cat->setRowCount(std::max<int>(1, static_cast<int>(Entries.size())));
    for (int row = 0; row < static_cast<int>(Entries.size()); ++row) {
        const IoddCatalogEntry& e = Entries[static_cast<std::size_t>(row)];
        ASG_IODD_Cat->setItem(row, Col_Vendor, cell(e.Vendor));
        ASG_IODD_Cat->setItem(row, Col_Device, cell(e.DeviceName));
        QTableWidgetItem* file = cell(e.FileName);
        // Why a file shows no names: the reader's reason, where the user looks.
        if (!e.Problem.empty()) file->setToolTip(QString::fromStdString(e.Problem));
        ASG_IODD_Cat->setItem(row, Col_File, file);
    }
    ASG_IODD_Cat->selectRow(0);
}

std::string TFIOLink_IODD_Catalog::Selected_File() const {
    const QTableWidgetItem* file = ASG_IODD_Cat->item(ASG_IODD_Cat->currentRow(), Col_File);
    return file ? file->text().toStdString() : std::string();
}

void TFIOLink_IODD_Catalog::Btn_OKClick() {
    if (ASG_IODD_Cat->currentRow() >= 0) accept();
}

void TFIOLink_IODD_Catalog::Btn_Add_IODDClick() {
    const QString chosen =
        prompter_.openFile(this, T(state_, 1304), QString(), QStringLiteral("IODD File (*.xml)"));
    if (!chosen.isEmpty()) {
        const std::filesystem::path source = chosen.toStdString();
        bool copy = true;
        if (std::filesystem::exists(catalog_target(state_.Path_IODD_Catalog, source)))
            copy = prompter_.yesNoCancel(this, T(state_, 1311)) == Prompter::Answer::Yes;
        if (copy) {
            std::error_code ec;
            std::filesystem::create_directories(state_.Path_IODD_Catalog, ec);
            const WriteResult written = add_to_catalog(state_.Path_IODD_Catalog, source);
            if (!written.ok())
                prompter_.error(this,
                                T(state_, 1313) + "\n" + QString::fromStdString(written.error));
        }
    }
    Read_Catalog();
}

} // namespace kestrion::gui
