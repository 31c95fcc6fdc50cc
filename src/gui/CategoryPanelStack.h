#pragma once
#include <QScrollArea>
#include <QWidget>
#include <vector>

class QToolButton;
class QVBoxLayout;

namespace kestrion::gui {

// One collapsible group of a CategoryPanelStack: a header with a chevron and a title, and
// a content area on which the owner places its controls at fixed positions.
class CategoryPanel : public QWidget {
    Q_OBJECT
public:
    explicit CategoryPanel(QWidget* parent = nullptr);

    static constexpr int HeaderHeight = 24;
    static constexpr int BottomMargin = 12;

    QWidget* content() const { return content_; }
    void setTitle(const QString& title);
    QString title() const;

    bool isExpanded() const;
    void setExpanded(bool expanded);

    // Sizes the panel to its controls: the bottom of the lowest control that is not hidden,
    // plus the header, plus a margin. Run after controls are moved, shown or hidden.
    void fitToContent();
    // Bottom edge (y plus height) of the lowest control that is not hidden.
    int contentBottom() const;

signals:
    void expandedChanged(bool expanded);

private:
    void applyHeight();

    QToolButton* header_;
    QWidget* content_;
    int contentHeight_ = 0;
};

// A vertically scrolling column of collapsible panels, each directly below the previous
// one; a hidden panel takes no room. The mouse wheel anywhere over the column scrolls it,
// also over a drop-down list, so scrolling through a long form never changes a value by
// accident.
class CategoryPanelStack : public QScrollArea {
    Q_OBJECT
public:
    explicit CategoryPanelStack(QWidget* parent = nullptr);

    // A new expanded panel at the bottom of the column.
    CategoryPanel* addPanel(const char* objectName);
    // Puts the panels in this order, top to bottom; panels not named keep their places after
    // them. Keyboard focus moves through them in the same order.
    void arrange(const std::vector<CategoryPanel*>& order);
    // The panels not hidden, top to bottom.
    std::vector<CategoryPanel*> shownPanels() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void scrollByWheel(QWheelEvent* event);

    QVBoxLayout* column_;
    std::vector<CategoryPanel*> panels_;
    int wheelRemainder_ = 0;
};

} // namespace kestrion::gui
