#pragma once
#include "ScriptedPrompter.h"
#include "gui/TFKestrionFirmWare.h"

#include <QDialog>
#include <QString>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace kestrion::gui {

// A fresh workspace folder for one test, removed afterwards.
class TempWorkspace {
public:
    TempWorkspace();
    ~TempWorkspace();
    const std::filesystem::path& path() const { return path_; }
    void write(const std::filesystem::path& relative, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// The main window over a temporary workspace, with a scripted prompter and a dialog runner
// that shows each dialog, lets the test act on it, and returns the dialog's result.
struct MainWindowFixture : ::testing::Test {
    TempWorkspace workspace;
    GlobalState state;
    ScriptedPrompter prompter;
    std::unique_ptr<TFKestrionFirmWare> window;
    // Called with each dialog the window runs; it must accept or reject it.
    std::function<void(QDialog&)> onDialog;
    std::vector<QString> dialogsRun;

    // Creates the window; call after preparing the workspace.
    void start();
};

} // namespace kestrion::gui
