#include "gui/TitlePanel.h"

#include "gui/Style.h"
#include "workspace/ModelIdentity.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kestrion::gui {

TitlePanel::TitlePanel(QWidget* parent) : QWidget(parent) {
    setObjectName("TitlePanel");
    setFixedHeight(Height);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    code_ = new QLabel(QString::fromUtf8(SW_Code.data(), SW_Code.size()), this);
    code_->setObjectName("L_Code");
    code_->setFont(codeFont());
    code_->setStyleSheet("color: grey");
    description_ = new QLabel(this);
    description_->setObjectName("L_Description");
    QFont bold = description_->font();
    bold.setBold(true);
    description_->setFont(bold);
    description_->setStyleSheet("color: grey");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 6, 16, 6);
    layout->setSpacing(0);
    layout->addWidget(code_);
    layout->addWidget(description_);
}

void TitlePanel::setDescription(const QString& text) { description_->setText(text); }
QString TitlePanel::description() const { return description_->text(); }

} // namespace kestrion::gui
