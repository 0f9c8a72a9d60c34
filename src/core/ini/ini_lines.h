#pragma once

#include "core/text/line_spans.h"

#include <QList>
#include <QStringView>

// The lines of an INI file as the private-profile rules see them.
namespace vornik {

enum class IniLineKind {
    Other,   // blank, a ";" comment, or text without "=": never a key
    Section, // "[" name "]"; the "]" may be missing
    Key,     // name "=" value
};

struct IniLine {
    LineSpan span;
    IniLineKind kind = IniLineKind::Other;
    QStringView name;  // section or key name, without the whitespace around it
    QStringView value; // key value, without the whitespace around it, quotes still on
};

// The lines of the decoded file; the views point into the text.
QList<IniLine> ParseIniLines(QStringView text);

// Where a key of a section lies among the lines (indexes; -1 for none).
struct IniPlace {
    qsizetype section = -1; // header of the first section with the name
    qsizetype key = -1;     // first line of that section with the key
    qsizetype lastKey = -1; // the section's last key line, or its header when it has no key
};

// Names are compared without regard to case, Cyrillic included.
IniPlace FindIniPlace(const QList<IniLine> &lines, QStringView section, QStringView key);

// A value as it is read: a matching pair of "…" or '…' around it is taken off.
QStringView UnquotedIniValue(QStringView value);

} // namespace vornik
