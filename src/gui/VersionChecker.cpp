#include "gui/VersionChecker.h"

#include "workspace/ModelIdentity.h"
#include "workspace/Version.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kestrion::gui {

VersionChecker::VersionChecker(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)),
      base_(QString::fromUtf8(Maker_Host.data(), static_cast<int>(Maker_Host.size()))) {}

void VersionChecker::Check_Version() {
    if (reply_) return;
    QUrl url(base_.toString() + QString::fromStdString(version_request_path()));
    QNetworkRequest request(url);
    request.setTransferTimeout(timeoutMs_);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setRawHeader("Connection", "close");
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::finished, this, &VersionChecker::finished);
}

void VersionChecker::finished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    // Any failure (no network, time-out, error status) is an empty reply.
    const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    emit Check_Version_Done(version_reply_is_newer(body.toStdString()));
}

} // namespace kestrion::gui
