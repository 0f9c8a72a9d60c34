#include "core/treelist/tree_list.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"

namespace vornik {

namespace {

// Lines are read through a buffer of this size: a line, with the byte that ends it, must fit.
constexpr qsizetype kReadBuffer = 4096;
constexpr char kEndOfData = '\x1A';

// Calls appendLine with each line of the data, without its CR and the one LF after it.
// endMarked tells that the data was cut at the end-of-data byte, which then ends the last line.
template<typename AppendLine>
void forEachLine(QStringView data, bool endMarked, AppendLine appendLine)
{
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype cr = data.indexOf(QLatin1Char('\r'), start);
        const qsizetype end = cr >= 0 ? cr : data.size();
        const bool hasEndByte = cr >= 0 || endMarked;
        if (end - start + (hasEndByte ? 1 : 0) > kReadBuffer)
            throw VornikError(messages::lineTooLong());
        appendLine(data.sliced(start, end - start));
        if (cr < 0)
            return;
        start = cr + 1;
        if (start < data.size() && data[start] == QLatin1Char('\n'))
            ++start;
    }
}

} // namespace

void TreeList::load(const QString &path)
{
    QByteArray bytes = ReadFileBytes(path);
    const qsizetype endOfData = bytes.indexOf(kEndOfData);
    if (endOfData >= 0)
        bytes.truncate(endOfData);
    // Windows-1251 gives one character per byte, so the text's lengths are the file's byte counts.
    const QString data = DecodeCp1251(bytes);

    m_nodes.clear();
    const auto selectFirst = [this] { m_selected = m_nodes.empty() ? 0 : 1; };
    int baseIndent = 0;
    try {
        forEachLine(data, endOfData >= 0, [&](QStringView line) { appendIndentedLine(line, baseIndent); });
    } catch (const VornikError &) {
        // The lines read before the bad one stay.
        selectFirst();
        throw;
    }
    selectFirst();
}

void TreeList::save(const QString &path) const
{
    QString data;
    for (const Node &n : m_nodes) {
        data += lineOf(n);
        data += QStringLiteral("\r\n");
    }
    WriteFileBytes(path, EncodeCp1251(data));
}

} // namespace vornik
