#pragma once
#include <QLabel>

namespace kestrion::gui {

// A label that reacts to a click, for pictures and names that act as choices.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace kestrion::gui
