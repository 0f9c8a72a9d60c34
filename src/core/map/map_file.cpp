#include "core/map/map_file.h"

#include "core/text/cp1251.h"

#include <QHash>

#include <algorithm>
#include <charconv>

namespace vornik {

namespace {

constexpr char kSeparator = ' ';
constexpr QByteArrayView kLineEnd = "\r\n";
constexpr qsizetype kTypicalLineLength = 32;

void appendNumber(QByteArray &out, int value)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr - digits);
}

void appendNumberLine(QByteArray &out, int value)
{
    appendNumber(out, value);
    out.append(kLineEnd);
}

} // namespace

QByteArrayView MapFileLines::next()
{
    const qsizetype start = m_position;
    qsizetype end = start;
    while (end < m_bytes.size() && m_bytes[end] != '\r' && m_bytes[end] != '\n')
        ++end;
    const bool crLf = end + 1 < m_bytes.size() && m_bytes[end] == '\r' && m_bytes[end + 1] == '\n';
    m_position = std::min(m_bytes.size(), end + (crLf ? 2 : 1));
    return m_bytes.sliced(start, end - start);
}

MapObjectLine SplitObjectLine(QByteArrayView line)
{
    MapObjectLine fields;
    const qsizetype first = line.indexOf(kSeparator);
    if (first < 0) {
        fields.tag = line;
        return fields;
    }
    fields.tag = line.first(first);
    const QByteArrayView rest = line.sliced(first + 1);
    const qsizetype second = rest.indexOf(kSeparator);
    if (second < 0) {
        fields.x = rest;
        return fields;
    }
    fields.x = rest.first(second);
    fields.y = rest.sliced(second + 1);
    return fields;
}

QByteArray FormatMapFile(QSize canvasSize, const std::vector<PlacedObject> &entries)
{
    QByteArray out;
    out.reserve(static_cast<qsizetype>(entries.size() + 3) * kTypicalLineLength);
    appendNumberLine(out, canvasSize.width());
    appendNumberLine(out, canvasSize.height());
    appendNumberLine(out, static_cast<int>(entries.size()) - 1);
    // A map holds copies of a few objects: each tag is encoded once.
    QHash<QString, QByteArray> encodedTags;
    for (const PlacedObject &entry : entries) {
        auto tag = encodedTags.constFind(entry.tag);
        if (tag == encodedTags.constEnd())
            tag = encodedTags.insert(entry.tag, EncodeCp1251(entry.tag));
        out.append(*tag);
        out.append(kSeparator);
        appendNumber(out, entry.position.x());
        out.append(kSeparator);
        appendNumberLine(out, entry.position.y());
    }
    return out;
}

} // namespace vornik
