#pragma once
#include <QSize>

class QDialog;
class QHBoxLayout;
class QVBoxLayout;
class QPushButton;
class QWidget;

namespace kestrion::gui {

class TitlePanel;

// Builds the frame every small dialog shares: the title strip on top, a body of labelled
// rows, and the button strip at the bottom right.
class DialogFrame {
public:
    // clientSize: fixed client area of the dialog; an invalid size leaves it resizable.
    DialogFrame(QDialog* dialog, QSize clientSize);

    TitlePanel* title() const { return title_; }
    QWidget* body() const { return body_; }
    // A label above its field.
    void addRow(QWidget* label, QWidget* field);
    // One widget across the body; one that grows vertically (a list, a table) takes the
    // free height.
    void addRow(QWidget* wide);
    // A button of the strip, in order from left to right.
    QPushButton* addButton(const char* objectName);

private:
    TitlePanel* title_;
    QWidget* body_;
    QVBoxLayout* rows_;
    QHBoxLayout* buttons_;
};

} // namespace kestrion::gui
