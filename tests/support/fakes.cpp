#include "support/fakes.h"

namespace vornik::test {

bool FakeDialogs::askYesNo(const QString &text)
{
    asked << QStringLiteral("yesno:") + text;
    if (yesNoAnswers.empty()) {
        m_unscripted = true;
        asked << QStringLiteral("UNSCRIPTED");
        return false;
    }
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

QString FakeDialogs::inputText(const QString &title, const QString &prompt, const QString &defaultText)
{
    asked << QStringLiteral("input:%1|%2|%3").arg(title, prompt, defaultText);
    if (inputAnswers.empty()) {
        m_unscripted = true;
        asked << QStringLiteral("UNSCRIPTED");
        return defaultText;
    }
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

QString FakeDialogs::nextFile(const QString &kind, const QString &filter)
{
    asked << kind + filter;
    if (fileAnswers.empty()) {
        m_unscripted = true;
        asked << QStringLiteral("UNSCRIPTED");
        return {};
    }
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

QString FakeDialogs::chooseOpenFile(const QString &filter)
{
    return nextFile(QStringLiteral("open:"), filter);
}

QString FakeDialogs::chooseSaveFile(const QString &filter)
{
    return nextFile(QStringLiteral("save:"), filter);
}

void FakeDialogs::showMessage(const QString &text)
{
    asked << QStringLiteral("message:") + text;
}

void FakeProgress::setText(const QString &text)
{
    calls << QStringLiteral("text:") + text;
}

void FakeProgress::show()
{
    visible = true;
    calls << QStringLiteral("show");
}

void FakeProgress::hide()
{
    visible = false;
    calls << QStringLiteral("hide");
}

void FakeShell::startProgram(const QString &program, const QString &workingFolder)
{
    started.push_back({program, workingFolder});
}

void FakeShell::openFolder(const QString &folder)
{
    openedFolders << folder;
}

void FakeShell::openAddress(const QString &address)
{
    openedAddresses << address;
}

} // namespace vornik::test
