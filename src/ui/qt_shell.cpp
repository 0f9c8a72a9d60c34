#include "ui/qt_shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace vornik {

void QtShell::startProgram(const QString &program, const QString &workingFolder)
{
    QProcess::startDetached(program, {}, workingFolder);
}

void QtShell::openFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void QtShell::openAddress(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace vornik
