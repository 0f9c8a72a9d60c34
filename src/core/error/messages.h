#pragma once

#include <QString>

// The platform's own error texts, formed here and nowhere else.
namespace vornik::messages {

QString notValidInteger(const QString &text);      // "'%s' is not a valid integer value"
QString unableToWrite(const QString &path);        // "Unable to write to %s"
QString cannotOpenFile(const QString &path, const QString &reason);   // "Cannot open file "%s". %s"
QString cannotCreateFile(const QString &path, const QString &reason); // "Cannot create file "%s". %s"
QString lineTooLong();
QString fileLoadError();
QString invalidOutlineIndex();
QString invalidBitmap();                          // "Bitmap image is not valid"
// A sound the media player could not open, with the media layer's reason.
QString cannotOpenSound(const QString &path, const QString &reason);
QString soundOpenTimedOut(int seconds);           // the media layer did not answer in time
QString soundNotPlayable();                       // the media layer refused it without a reason
QString noMediaDeviceOpen();                      // "No MCI device open"
// A character that Windows-1251 cannot hold, named with its code point.
QString notInCodePage(QChar character);
QString notInCodePage(char32_t codePoint);

} // namespace vornik::messages
