#include "gui/TFAbout.h"

#include "gui/Style.h"
#include "gui/WebLinks.h"
#include "workspace/ModelIdentity.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kestrion::gui {
namespace {

QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

} // namespace

TFAbout::TFAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("FAbout");
    setWindowTitle(QStringLiteral("About..."));
    setFont(baseFont());
    setFixedSize(425, 148);

    auto* grid = new QGridLayout(this);
    auto* title = new QLabel(QStringLiteral("Software Kestrion "), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(new QLabel(q(SW_Desc), this), 1, 0, 1, 2);
    const std::pair<const char*, std::string_view> rows[] = {
        {"Version :", Program_Version}, {"Software Code : ", SW_Code}, {"Document Code :", Document_Code}};
    int row = 2;
    for (const auto& [label, value] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), this), row, 0);
        auto* valueLabel = new QLabel(q(value), this);
        valueLabel->setObjectName(QString::fromUtf8(label).remove(' ').remove(':'));
        grid->addWidget(valueLabel, row++, 1);
    }
    auto* web = new QLabel(this);
    web->setObjectName("L_Web");
    web->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(homePageUrl().toString(), makerSiteName()));
    connect(web, &QLabel::linkActivated, this, [] { openHomePage(); });
    grid->addWidget(web, row, 0);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("Btn_OK");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, row, 1, Qt::AlignRight);
}

} // namespace kestrion::gui
