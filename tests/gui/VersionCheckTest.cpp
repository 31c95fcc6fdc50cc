#include "GuiTestSupport.h"
#include "gui/TFSoftOptions.h"
#include "gui/VersionChecker.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace kestrion::gui {
namespace {

// A version server on 127.0.0.1 that answers every request with `body`, or never answers.
class FakeVersionServer : public QObject {
public:
    explicit FakeVersionServer(QByteArray body, bool answer = true) : body_(std::move(body)) {
        server_.listen(QHostAddress::LocalHost);
        connect(&server_, &QTcpServer::newConnection, this, [this, answer] {
            QTcpSocket* socket = server_.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, answer] {
                // A request may arrive in pieces: answer once its head is complete.
                socket->setProperty("head", socket->property("head").toByteArray() + socket->readAll());
                const QByteArray head = socket->property("head").toByteArray();
                if (!head.contains("\r\n\r\n")) return;
                requests << QString::fromLatin1(head.split('\r').first());
                if (!answer) return;
                socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body_);
                socket->disconnectFromHost();
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort())); }
    QStringList requests;

private:
    QTcpServer server_;
    QByteArray body_;
};

bool check(VersionChecker& checker) {
    QSignalSpy done(&checker, &VersionChecker::Check_Version_Done);
    checker.Check_Version();
    EXPECT_TRUE(done.wait(5000));
    return !done.isEmpty() && done.first().first().toBool();
}

} // namespace

TEST(VersionChecker, AsksForThisModelAndComparesTheReply) {
    const std::pair<QByteArray, bool> cases[] = {
        {"ver. 1.200 ", true}, {"VER. 1.100", false}, {"VER. 0.000", false}, {"Not found", false}};
    for (const auto& [body, newer] : cases) {
        FakeVersionServer server(body);
        VersionChecker checker;
        checker.setBaseUrl(server.url());
        EXPECT_EQ(check(checker), newer) << body.toStdString();
        // Qt may send a request again on a new connection; each must ask the same.
        ASSERT_FALSE(server.requests.isEmpty());
        for (const QString& request : server.requests)
            EXPECT_EQ(request, "GET /home/download/GetversionSW.asp?nomesw=CX30412 HTTP/1.1");
    }
}

TEST(VersionChecker, SilentServerAndRefusedConnectionCountAsNoUpdate) {
    FakeVersionServer silent("", false);
    VersionChecker checker;
    checker.setBaseUrl(silent.url());
    checker.setTimeoutMs(300);
    EXPECT_FALSE(check(checker));

    checker.setBaseUrl(QUrl("http://127.0.0.1:1"));
    EXPECT_FALSE(check(checker));
}

using UpdateNotice = MainWindowFixture;

TEST_F(UpdateNotice, TimerTickShowsTheNoticeAndWaitsTwoHours) {
    FakeVersionServer server("VER. 1.200");
    Settings s;
    s.Enable_Internet = s.Enable_Update = true;
    workspace.write("Kestrion.xml", settings_xml(s));
    start();
    window->versionChecker()->setBaseUrl(server.url());
    window->show();
    QMetaObject::invokeMethod(window->Timer_Update, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(window->Timer_Update->isActive()); // stopped while asking
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->LL_Update->isVisible(); }, 5000));
    EXPECT_TRUE(window->LL_Update->text().contains("New Version Available. Click Here for more Details"));
    EXPECT_TRUE(window->LL_Update->text().contains("/Home/download/download.asp#GX30412"));
    EXPECT_TRUE(window->Timer_Update->isActive());
    EXPECT_EQ(window->Timer_Update->interval(), 7200000);
}

TEST_F(UpdateNotice, CheckOnRequestInTheOptionsDialog) {
    FakeVersionServer server("VER. 0.900");
    start();
    window->versionChecker()->setBaseUrl(server.url());
    TFSoftOptions& options = *window->FSoftOptions;
    options.show();
    options.CB_En_Con->setChecked(true);
    options.CB_Update->setChecked(true);
    QTest::mouseClick(options.Btn_Check_Update, Qt::LeftButton);
    // The label is on a page that is not showing: wait for it to be shown on its page.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !options.LL_Check_Update->isHidden(); }, 5000));
    EXPECT_EQ(options.LL_Check_Update->text(), "No Update Available");
    // The dialog's own check never moves the main window's notice.
    EXPECT_TRUE(window->LL_Update->isHidden());
    options.reject();
}

} // namespace kestrion::gui
