#include "gui/DialogFrame.h"

#include "gui/Style.h"
#include "gui/TitlePanel.h"

#include <QDialog>
#include <QFormLayout>
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
    rows_ = new QFormLayout(body_);
    rows_->setContentsMargins(16, 12, 16, 6);
    rows_->setRowWrapPolicy(QFormLayout::WrapAllRows);
    outer->addWidget(body_, 1);

    auto* strip = new QWidget(dialog);
    strip->setFixedHeight(40);
    buttons_ = new QHBoxLayout(strip);
    buttons_->setContentsMargins(8, 6, 8, 6);
    buttons_->addStretch(1);
    outer->addWidget(strip);
}

void DialogFrame::addRow(QWidget* label, QWidget* field) { rows_->addRow(label, field); }
void DialogFrame::addRow(QWidget* wide) { rows_->addRow(wide); }

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
