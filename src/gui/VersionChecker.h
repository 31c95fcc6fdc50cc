#pragma once
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace kestrion::gui {

// Asks the maker's version server for the latest program version, in the background: the
// windows never wait for the network. Emits Check_Version_Done with true when the server
// reports a version newer than this program's; a failure or a time-out counts as no
// newer version.
class VersionChecker : public QObject {
    Q_OBJECT
public:
    explicit VersionChecker(QObject* parent = nullptr);

    // The server to ask, scheme and host (and port): tests point it at 127.0.0.1.
    void setBaseUrl(const QUrl& base) { base_ = base; }
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    bool busy() const { return reply_ != nullptr; }

    // Starts a check; does nothing while one is under way (its answer serves both).
    void Check_Version();

signals:
    void Check_Version_Done(bool newer);

private:
    void finished();

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    QUrl base_;
    int timeoutMs_ = 15000;
};

} // namespace kestrion::gui
