#include "gui/DialogFrame.h"

#include "gui/Style.h"
#include "gui/TitlePanel.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrion::gui {

DialogFrame::DialogFrame(QDialog* dialog, QSize clientSize) {
    dialog->setFont(baseFont());
    QPalette pal = dialog->palette();
    pal.setColor(QPalette::Window, windowBackground());
    dialog->setPalette(pal);
    if (clientSize.isValid()) dialog->setFixedSize(clientSize);

    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    title_ = new TitlePanel(dialog);
    outer->addWidget(title_);

    body_ = new QWidget(dialog);
    rows_ = new QVBoxLayout(body_);
    rows_->setContentsMargins(16, 12, 16, 6);
    // Rows sit at the top; a list or table that wants the room takes it instead.
    rows_->addStretch(1);
    outer->addWidget(body_, 1);

    auto* strip = new QWidget(dialog);
    strip->setFixedHeight(40);
    buttons_ = new QHBoxLayout(strip);
    buttons_->setContentsMargins(8, 6, 8, 6);
    buttons_->addStretch(1);
    outer->addWidget(strip);
}

void DialogFrame::addRow(QWidget* label, QWidget* field) {
    addRow(label);
    addRow(field);
}

void DialogFrame::addRow(QWidget* wide) {
    const int stretchIndex = rows_->count() - 1;
    const bool grows = wide->sizePolicy().verticalPolicy() & QSizePolicy::ExpandFlag;
    rows_->insertWidget(stretchIndex, wide, grows ? 1 : 0);
    if (grows) rows_->setStretch(rows_->count() - 1, 0);
}

QPushButton* DialogFrame::addButton(const char* objectName) {
    auto* button = new QPushButton(body_->parentWidget());
    button->setObjectName(objectName);
    button->setFixedSize(110, 28);
    // Enter belongs to the fields; each dialog decides what Enter does.
    button->setAutoDefault(false);
    buttons_->addWidget(button);
    return button;
}

} // namespace kestrion::gui
