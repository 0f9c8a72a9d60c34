#pragma once

#include "core/text/cp1251.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text files of the project: Windows-1251, lines ended by CR LF. Every write replaces the file
// through QSaveFile, so a failed write leaves the previous file whole.
namespace vornik {

// Whole-file access. Reading a missing or unreadable file throws "Cannot open file ..."; a write
// that cannot be done (a missing folder, a read-only file or folder, a full disk) throws
// "Cannot create file ..." and leaves the old file as it was.
QByteArray ReadFileBytes(const QString &path);
void WriteFileBytes(const QString &path, const QByteArray &bytes);
// The bytes of a file, or nothing when it is missing or cannot be read.
std::optional<QByteArray> TryReadFileBytes(const QString &path);

// The text of a file, its line ends (CR LF, a lone CR or a lone LF) turned into "\n".
QString ReadTextFile(const QString &path);
// Writes the text with each of its line ends ("\n", and also CR LF or a lone CR) as CR LF and
// nothing added after the last line.
void WriteTextFile(const QString &path, const QString &text);

// The lines of a file (any of the three line ends ends a line; a final line end adds no line).
QStringList ReadTextLines(const QString &path);
// Writes each line followed by CR LF.
void WriteTextLines(const QString &path, const QStringList &lines);

} // namespace vornik
