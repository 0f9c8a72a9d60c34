#pragma once

#include <QList>
#include <QStringView>

namespace vornik {

// Where one line of a text lies: its characters, then the line end after them.
struct LineSpan {
    qsizetype start = 0;
    qsizetype length = 0;    // without the line end
    qsizetype endLength = 0; // 2 for CR LF, 1 for a lone CR or LF, 0 for a last line without one

    qsizetype end() const { return start + length + endLength; }
};

// The lines of a text: CR LF, a lone CR and a lone LF each end a line, and a line end at the very
// end of the text adds no empty line after it.
QList<LineSpan> SplitLineSpans(QStringView text);

} // namespace vornik
