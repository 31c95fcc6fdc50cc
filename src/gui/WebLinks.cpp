#include "gui/WebLinks.h"

#include "workspace/Version.h"

#include <QDesktopServices>

namespace kestrion::gui {

QUrl homePageUrl() { return QUrl(QString::fromStdString(home_page_url())); }
QUrl downloadPageUrl() { return QUrl(QString::fromStdString(download_page_url())); }
QString makerSiteName() { return homePageUrl().host(); }
void openHomePage() { openUrl(homePageUrl()); }
void openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

} // namespace kestrion::gui
