#include "gui/CategoryPanelStack.h"

#include "gui/Style.h"

#include <algorithm>
#include <QApplication>
#include <QChildEvent>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace kestrion::gui {

CategoryPanel::CategoryPanel(QWidget* parent) : QWidget(parent) {
    header_ = new QToolButton(this);
    header_->setObjectName("Header");
    header_->setCheckable(true);
    header_->setChecked(true);
    header_->setAutoRaise(true);
    header_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    header_->setArrowType(Qt::DownArrow);
    header_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header_->setFixedHeight(HeaderHeight);
    QFont bold = baseFont();
    bold.setBold(true);
    header_->setFont(bold);
    header_->setStyleSheet("QToolButton { color: grey; text-align: left; }");
    connect(header_, &QToolButton::toggled, this, &CategoryPanel::setExpanded);

    content_ = new QWidget(this);
    content_->setObjectName("Content");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(content_);
    applyHeight();
}

void CategoryPanel::setTitle(const QString& title) {
    header_->setText(title);
}
QString CategoryPanel::title() const {
    return header_->text();
}
bool CategoryPanel::isExpanded() const {
    return header_->isChecked();
}

void CategoryPanel::setExpanded(bool expanded) {
    if (header_->isChecked() != expanded) {
        header_->setChecked(expanded); // comes back here through toggled
        return;
    }
    header_->setArrowType(expanded ? Qt::DownArrow : Qt::RightArrow);
    content_->setVisible(expanded);
    applyHeight();
    emit expandedChanged(expanded);
}

int CategoryPanel::contentBottom() const {
    int bottom = 0;
    for (const QWidget* child : content_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden()) bottom = std::max(bottom, child->y() + child->height());
    return bottom;
}

void CategoryPanel::fitToContent() {
    contentHeight_ = contentBottom() + BottomMargin;
    applyHeight();
}

void CategoryPanel::applyHeight() {
    content_->setFixedHeight(contentHeight_);
    setFixedHeight(HeaderHeight + (isExpanded() ? contentHeight_ : 0));
}

CategoryPanelStack::CategoryPanelStack(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setSingleStep(20);
    auto* column = new QWidget;
    column->setObjectName("Column");
    column_ = new QVBoxLayout(column);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);
    column_->addStretch(1);
    setWidget(column);
}

CategoryPanel* CategoryPanelStack::addPanel(const char* objectName) {
    auto* panel = new CategoryPanel(widget());
    panel->setObjectName(objectName);
    // Controls placed on the panel later are watched for the wheel as they arrive.
    panel->content()->installEventFilter(this);
    column_->insertWidget(column_->count() - 1, panel);
    panels_.push_back(panel);
    return panel;
}

void CategoryPanelStack::arrange(const std::vector<CategoryPanel*>& order) {
    std::vector<CategoryPanel*> arranged = order;
    for (CategoryPanel* panel : panels_)
        if (std::find(order.begin(), order.end(), panel) == order.end()) arranged.push_back(panel);
    for (CategoryPanel* panel : arranged)
        column_->removeWidget(panel);
    for (size_t i = 0; i < arranged.size(); ++i) {
        column_->insertWidget(static_cast<int>(i), arranged[i]);
        if (i > 0) QWidget::setTabOrder(arranged[i - 1], arranged[i]);
    }
    panels_ = arranged;
    column_->activate();
}

std::vector<CategoryPanel*> CategoryPanelStack::shownPanels() const {
    std::vector<CategoryPanel*> shown;
    for (CategoryPanel* panel : panels_)
        if (!panel->isHidden()) shown.push_back(panel);
    return shown;
}

bool CategoryPanelStack::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        auto* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && child->parent() == watched) child->installEventFilter(this);
    } else if (event->type() == QEvent::Wheel) {
        scrollByWheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void CategoryPanelStack::wheelEvent(QWheelEvent* event) {
    scrollByWheel(event);
}

void CategoryPanelStack::scrollByWheel(QWheelEvent* event) {
    event->accept();
    // One notch is 120; fine-grained wheels send parts of it, which add up to a notch.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / 120;
    wheelRemainder_ -= notches * 120;
    const int lines = QApplication::wheelScrollLines();
    if (lines < 1) return;
    const auto action =
        notches > 0 ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
    for (int i = 0; i < std::abs(notches) * lines; ++i)
        verticalScrollBar()->triggerAction(action);
}

} // namespace kestrion::gui
