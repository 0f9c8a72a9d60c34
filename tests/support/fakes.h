#pragma once

#include "core/interaction/dialogs.h"
#include "core/interaction/progress.h"
#include "core/interaction/shell.h"

#include <QStringList>

#include <deque>

namespace vornik::test {

// Dialogs answered from a script, recording every question. An unscripted question fails the
// test through QFAIL-like reporting: it records "UNSCRIPTED" and answers No / Cancel.
class FakeDialogs : public Dialogs {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;      // what the user typed; use the default to mean Cancel
    std::deque<QString> fileAnswers;       // empty string = cancelled
    QStringList asked;                     // every question and message, in order

    bool askYesNo(const QString &text) override;
    QString inputText(const QString &title, const QString &prompt, const QString &defaultText) override;
    QString chooseOpenFile(const QString &filter) override;
    QString chooseSaveFile(const QString &filter) override;
    void showMessage(const QString &text) override;

    bool hasUnscripted() const { return m_unscripted; }

private:
    QString nextFile(const QString &kind, const QString &filter);
    bool m_unscripted = false;
};

// Records the progress window's calls as "show", "hide" and "text:<text>".
class FakeProgress : public Progress {
public:
    QStringList calls;
    bool visible = false;

    void setText(const QString &text) override;
    void show() override;
    void hide() override;
};

struct StartedProgram {
    QString program;
    QString workingFolder;
};

class FakeShell : public Shell {
public:
    std::vector<StartedProgram> started;
    QStringList openedFolders;
    QStringList openedAddresses;

    void startProgram(const QString &program, const QString &workingFolder) override;
    void openFolder(const QString &folder) override;
    void openAddress(const QString &address) override;
};

} // namespace vornik::test
