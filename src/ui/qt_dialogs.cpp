#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

namespace vornik {

namespace {
const QString kBoxTitle = QStringLiteral("Vornik FPS");
}

QtDialogs::QtDialogs(QWidget *parent)
    : m_parent(parent)
{
}

QWidget *QtDialogs::owner() const
{
    QWidget *active = QApplication::activeWindow();
    return active != nullptr ? active : m_parent;
}

bool QtDialogs::askYesNo(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setEscapeButton(QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::inputText(const QString &title, const QString &prompt, const QString &defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : defaultText;
}

QString QtDialogs::chooseOpenFile(const QString &filter)
{
    return QFileDialog::getOpenFileName(owner(), QString(), QString(), QtFileFilter(filter));
}

QString QtDialogs::chooseSaveFile(const QString &filter)
{
    return QFileDialog::getSaveFileName(owner(), QString(), QString(), QtFileFilter(filter));
}

void QtDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kBoxTitle, text, QMessageBox::Ok, owner());
    box.exec();
}

QString QtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        // A description that already shows its patterns, like "Bitmaps (*.bmp)", is kept as it is.
        entries << (parts.at(i).contains(QLatin1Char('(')) ? parts.at(i)
                                                           : parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace vornik
