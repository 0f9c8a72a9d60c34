#include "core/error/messages.h"

namespace vornik::messages {

QString notValidInteger(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

QString unableToWrite(const QString &path)
{
    return QStringLiteral("Unable to write to %1").arg(path);
}

QString cannotOpenFile(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

QString cannotCreateFile(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason);
}

QString lineTooLong()
{
    return QStringLiteral("Line too long");
}

QString fileLoadError()
{
    return QStringLiteral("File load error");
}

QString invalidOutlineIndex()
{
    return QStringLiteral("Invalid outline index");
}

QString invalidBitmap()
{
    return QStringLiteral("Bitmap image is not valid");
}

QString cannotOpenSound(const QString &path, const QString &reason)
{
    return QStringLiteral("Не удалось открыть звуковой файл: %1\n%2").arg(path, reason);
}

QString soundOpenTimedOut(int seconds)
{
    return QStringLiteral("Звуковая система не ответила за %1 с.").arg(seconds);
}

QString soundNotPlayable()
{
    return QStringLiteral("Формат файла не поддерживается.");
}

QString noMediaDeviceOpen()
{
    return QStringLiteral("No MCI device open");
}

QString notInCodePage(QChar character)
{
    return notInCodePage(char32_t(character.unicode()));
}

QString notInCodePage(char32_t codePoint)
{
    const QString code = QString::number(codePoint, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("Символ «%1» (U+%2) нельзя записать в кодировке Windows-1251.")
        .arg(QString::fromUcs4(&codePoint, 1))
        .arg(code);
}

} // namespace vornik::messages
