#include "gui/ProgramStarter.h"
#include "platform/Process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace kestrion::gui {

TEST(StartProgram, MissingProgramReturnsAtOnce) {
    QElapsedTimer t;
    t.start();
    Start_Program("/nonexistent/Ethernet_Update", "x", false);
    EXPECT_LT(t.elapsed(), 1000);
}

TEST(StartProgram, WaitsForTheEndAndPassesTheParameterText) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    Start_Program("/bin/sh", QStringLiteral("-c \"sleep 0.2; echo done > '%1'\"").arg(out), true);
    EXPECT_TRUE(QFile::exists(out));
}

TEST(StartProgram, LeavesALongerProgramRunningAfterTheWait) {
    QTemporaryDir dir;
    const QString pidFile = dir.filePath("pid");
    QElapsedTimer t;
    t.start();
    Start_Program("/bin/sh", QStringLiteral("-c \"echo $$ > '%1'; exec sleep 30\"").arg(pidFile), false, 300);
    EXPECT_GE(t.elapsed(), 300);
    EXPECT_LT(t.elapsed(), 5000);
    QFile f(pidFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const qint64 pid = f.readAll().trimmed().toLongLong();
    EXPECT_TRUE(process_running(pid));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
}

} // namespace kestrion::gui
