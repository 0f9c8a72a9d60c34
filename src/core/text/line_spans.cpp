#include "core/text/line_spans.h"

namespace vornik {

QList<LineSpan> SplitLineSpans(QStringView text)
{
    QList<LineSpan> spans;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        qsizetype endLength = 0;
        if (end < text.size())
            endLength = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1;
        spans.append({start, end - start, endLength});
        start = end + endLength;
    }
    return spans;
}

} // namespace vornik
