#include "core/ini/ini_lines.h"

namespace vornik {

namespace {

// Only the plain blanks count: a no-break space (0xA0 in Windows-1251) belongs to the text.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

QStringView trimmed(QStringView text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    return text.sliced(from, to - from);
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

IniLine parseLine(QStringView text, const LineSpan &span)
{
    IniLine line;
    line.span = span;
    const QStringView content = trimmed(text.sliced(span.start, span.length));
    if (content.startsWith(u'[')) {
        const qsizetype close = content.lastIndexOf(u']');
        line.kind = IniLineKind::Section;
        line.name = trimmed(close > 0 ? content.sliced(1, close - 1) : content.sliced(1));
        return line;
    }
    if (content.startsWith(u';'))
        return line;
    const qsizetype equals = content.indexOf(u'=');
    if (equals < 0)
        return line;
    line.kind = IniLineKind::Key;
    line.name = trimmed(content.first(equals));
    line.value = trimmed(content.sliced(equals + 1));
    return line;
}

} // namespace

QList<IniLine> ParseIniLines(QStringView text)
{
    QList<IniLine> lines;
    for (const LineSpan &span : SplitLineSpans(text))
        lines.append(parseLine(text, span));
    return lines;
}

IniPlace FindIniPlace(const QList<IniLine> &lines, QStringView section, QStringView key)
{
    IniPlace place;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const IniLine &line = lines[i];
        if (line.kind == IniLineKind::Section) {
            if (place.section >= 0)
                break;
            if (sameName(line.name, section))
                place.section = place.lastKey = i;
        } else if (line.kind == IniLineKind::Key && place.section >= 0) {
            place.lastKey = i;
            if (place.key < 0 && sameName(line.name, key))
                place.key = i;
        }
    }
    return place;
}

QStringView UnquotedIniValue(QStringView value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

} // namespace vornik
