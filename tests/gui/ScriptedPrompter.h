#pragma once
#include "gui/Prompter.h"

#include <QStringList>
#include <deque>
#include <stdexcept>

namespace kestrion::gui {

// A prompter for tests: records every question and answers from queues. An unexpected
// question (an empty queue) fails loudly instead of blocking.
class ScriptedPrompter final : public Prompter {
public:
    struct Asked {
        QString kind;
        QString text;
    };
    std::vector<Asked> asked;
    std::deque<bool> yesNoAnswers;
    std::deque<Answer> yesNoCancelAnswers;
    std::deque<QString> fileAnswers;

    void error(QWidget*, const QString& message) override { asked.push_back({"error", message}); }
    void warning(QWidget*, const QString& message) override { asked.push_back({"warning", message}); }
    void information(QWidget*, const QString& message) override { asked.push_back({"information", message}); }
    bool yesNo(QWidget*, const QString& question) override {
        asked.push_back({"yesNo", question});
        return take(yesNoAnswers);
    }
    Answer yesNoCancel(QWidget*, const QString& question) override {
        asked.push_back({"yesNoCancel", question});
        return take(yesNoCancelAnswers);
    }
    QString openFile(QWidget*, const QString& title, const QString&, const QString&) override {
        asked.push_back({"openFile", title});
        return take(fileAnswers);
    }
    QString saveFile(QWidget*, const QString& title, const QString&, const QString&) override {
        asked.push_back({"saveFile", title});
        return take(fileAnswers);
    }

    QStringList errors() const { return texts("error"); }
    QStringList texts(const QString& kind) const {
        QStringList out;
        for (const auto& a : asked)
            if (a.kind == kind) out << a.text;
        return out;
    }

private:
    template <typename T> static T take(std::deque<T>& queue) {
        if (queue.empty()) throw std::logic_error("unexpected question");
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace kestrion::gui
