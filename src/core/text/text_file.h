#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the project: Windows-1251, lines ended by CR LF. Every write replaces the file
// through QSaveFile, so a failed write leaves the previous file whole.
namespace vornik {

// Windows-1251 bytes of the text. A character the code page cannot hold throws VornikError
// naming it; nothing is ever silently turned into "?".
QByteArray EncodeCp1251(const QString &text);
// The text of Windows-1251 bytes. Every byte maps to one character and back, the undefined 0x98
// included (it reads as U+0098), so reading never fails and a read file is written back unchanged.
QString DecodeCp1251(const QByteArray &bytes);

// Whole-file access. Reading a missing or unreadable file throws "Cannot open file ..."; a write
// that cannot be done throws "Cannot create file ..." and leaves the old file as it was.
QByteArray ReadFileBytes(const QString &path);
void WriteFileBytes(const QString &path, const QByteArray &bytes);

// The text of a file, its line ends (CR LF, a lone CR or a lone LF) turned into "\n".
QString ReadTextFile(const QString &path);
// Writes the text with every "\n" as CR LF and nothing added after the last line.
void WriteTextFile(const QString &path, const QString &text);

// The lines of a file (any of the three line ends ends a line; a final line end adds no line).
QStringList ReadTextLines(const QString &path);
// Writes each line followed by CR LF.
void WriteTextLines(const QString &path, const QStringList &lines);

} // namespace vornik
