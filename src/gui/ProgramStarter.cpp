#include "gui/ProgramStarter.h"

#include "platform/Process.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace kestrion::gui {

void Start_Program(const QString& program, const QString& parameter, bool hidden, int timeoutMs) {
    Q_UNUSED(hidden); // only the Windows shell has hidden program windows
    qint64 pid = 0;
    // Detached: a program that outlives the wait must not be killed with its QProcess.
    if (!QProcess::startDetached(program, QProcess::splitCommand(parameter), QString(), &pid))
        return;

    QApplication::setOverrideCursor(Qt::BusyCursor);
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!process_running(pid) || elapsed.elapsed() >= timeoutMs) loop.quit();
    });
    poll.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
}

} // namespace kestrion::gui
