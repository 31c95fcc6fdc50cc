// The configurator: parses the command line, creates the main window (which sets up the
// workspace and every other window) and runs until the main window is closed.
#include "gui/Prompter.h"
#include "gui/TFKestrionFirmWare.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <memory>

namespace {

// --help and --version answer without a display, so they work on any machine.
bool only_asks_for_information(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v") return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app(only_asks_for_information(argc, argv)
                                                    ? new QCoreApplication(argc, argv)
                                                    : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("kestrion"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.100"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption workspaceOption(
        QStringLiteral("workspace"),
        QStringLiteral("Keep the workspace folders and the settings file in <dir> instead of "
                       "beside the program."),
        QStringLiteral("dir"));
    parser.addOption(workspaceOption);
    parser.process(*app);

    const QString workspace = parser.isSet(workspaceOption)
                                  ? QDir(parser.value(workspaceOption)).absolutePath()
                                  : QCoreApplication::applicationDirPath();

    kestrion::GlobalState state;
    kestrion::gui::QtPrompter prompter;
    kestrion::gui::TFKestrionFirmWare window(state, prompter, workspace.toStdString());
    window.show();
    return app->exec();
}
