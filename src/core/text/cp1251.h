#pragma once

#include <QByteArray>
#include <QString>

// The code page of every file the editor and the game engine share.
namespace vornik {

// Windows-1251 bytes of the text, one byte per character. A character the code page cannot hold
// throws VornikError naming the first such character; nothing is ever silently turned into "?".
QByteArray EncodeCp1251(const QString &text);
// The text of Windows-1251 bytes. Every byte maps to exactly one character and back, the undefined
// 0x98 included (it reads as U+0098), so reading never fails, a character's index in the text is
// its byte's offset in the file, and a read file is written back unchanged.
QString DecodeCp1251(const QByteArray &bytes);

} // namespace vornik
