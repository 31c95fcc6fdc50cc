#include "gui/Prompter.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kestrion::gui {
namespace {

// Message boxes carry the program's short name; the message itself says what happened.
const QString kTitle = QStringLiteral("Kestrion");

} // namespace

void QtPrompter::error(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, kTitle, message, QMessageBox::Ok);
}

void QtPrompter::warning(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, kTitle, message, QMessageBox::Ok);
}

void QtPrompter::information(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, kTitle, message, QMessageBox::Ok);
}

bool QtPrompter::yesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, kTitle, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer QtPrompter::yesNoCancel(QWidget* parent, const QString& question) {
    switch (QMessageBox::question(parent, kTitle, question,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtPrompter::openFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtPrompter::saveFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) {
    // The caller asks its own overwrite question, with its own text.
    return QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

} // namespace kestrion::gui
