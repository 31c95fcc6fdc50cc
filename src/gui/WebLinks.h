#pragma once
#include <QString>
#include <QUrl>

namespace kestrion::gui {

// The maker's pages, opened in the desktop's default browser.
QUrl homePageUrl();
QUrl downloadPageUrl();
// The maker's web address as shown to the user (host without the scheme).
QString makerSiteName();
void openHomePage();
void openUrl(const QUrl& url);

} // namespace kestrion::gui
