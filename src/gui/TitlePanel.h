#pragma once
#include <QWidget>

class QLabel;

namespace kestrion::gui {

// The strip at the top of every dialog: the model's software code in large grey letters
// and, below it, what the dialog is for.
class TitlePanel : public QWidget {
    Q_OBJECT
public:
    explicit TitlePanel(QWidget* parent = nullptr);
    void setDescription(const QString& text);
    QString description() const;

    static constexpr int Height = 69;

private:
    QLabel* code_;
    QLabel* description_;
};

} // namespace kestrion::gui
