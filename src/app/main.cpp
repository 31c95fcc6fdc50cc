// The configurator: parses the command line, creates the main window (which sets up the
// workspace and every other window) and runs until the main window is closed.
#include "gui/Prompter.h"
#include "gui/TFKestrionFirmWare.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kestrion"));
    QApplication::setApplicationVersion(QStringLiteral("1.100"));

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption workspaceOption(
        QStringLiteral("workspace"),
        QStringLiteral("Keep the workspace folders and the settings file in <dir> instead of "
                       "beside the program."),
        QStringLiteral("dir"));
    parser.addOption(workspaceOption);
    parser.process(app);

    const QString workspace = parser.isSet(workspaceOption)
                                  ? QDir(parser.value(workspaceOption)).absolutePath()
                                  : QApplication::applicationDirPath();

    kestrion::GlobalState state;
    kestrion::gui::QtPrompter prompter;
    kestrion::gui::TFKestrionFirmWare window(state, prompter, workspace.toStdString());
    window.show();
    return app.exec();
}
