#pragma once
#include <QString>

class QWidget;

namespace kestrion::gui {

// Every question a window asks the user goes through here, so tests can answer from a
// script instead of a real message box.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual void error(QWidget* parent, const QString& message) = 0;
    virtual void warning(QWidget* parent, const QString& message) = 0;
    virtual void information(QWidget* parent, const QString& message) = 0;
    virtual bool yesNo(QWidget* parent, const QString& question) = 0;
    virtual Answer yesNoCancel(QWidget* parent, const QString& question) = 0;
    // File dialogs: an empty result means the user cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& folder,
                             const QString& filter) = 0;
};

// The prompter of the running program: Qt message boxes and file dialogs.
class QtPrompter final : public Prompter {
public:
    void error(QWidget* parent, const QString& message) override;
    void warning(QWidget* parent, const QString& message) override;
    void information(QWidget* parent, const QString& message) override;
    bool yesNo(QWidget* parent, const QString& question) override;
    Answer yesNoCancel(QWidget* parent, const QString& question) override;
    QString openFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& folder,
                     const QString& filter) override;
};

} // namespace kestrion::gui
