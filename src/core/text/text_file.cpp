#include "core/text/text_file.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/text/line_spans.h"

#include <QFile>
#include <QSaveFile>

namespace vornik {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Reads the whole file; on failure gives nothing and the system's reason.
std::optional<QByteArray> readAll(const QString &path, QString &reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

// The text with each of its line ends replaced by the given one.
QString withLineEnds(QStringView text, QStringView lineEnd)
{
    QString result;
    result.reserve(text.size());
    for (const LineSpan &span : SplitLineSpans(text)) {
        result += text.sliced(span.start, span.length);
        if (span.endLength > 0)
            result += lineEnd;
    }
    return result;
}

[[noreturn]] void throwCannotCreate(const QString &path, const QString &reason)
{
    throw VornikError(messages::cannotCreateFile(path, reason));
}

} // namespace

QByteArray ReadFileBytes(const QString &path)
{
    QString reason;
    std::optional<QByteArray> bytes = readAll(path, reason);
    if (!bytes)
        throw VornikError(messages::cannotOpenFile(path, reason));
    return *bytes;
}

std::optional<QByteArray> TryReadFileBytes(const QString &path)
{
    QString reason;
    return readAll(path, reason);
}

void WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throwCannotCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throwCannotCreate(path, reason);
    }
    if (!file.commit())
        throwCannotCreate(path, file.errorString());
}

QString ReadTextFile(const QString &path)
{
    return withLineEnds(DecodeCp1251(ReadFileBytes(path)), u"\n");
}

void WriteTextFile(const QString &path, const QString &text)
{
    WriteFileBytes(path, EncodeCp1251(withLineEnds(text, kCrLf)));
}

QStringList ReadTextLines(const QString &path)
{
    const QString data = DecodeCp1251(ReadFileBytes(path));
    QStringList lines;
    for (const LineSpan &span : SplitLineSpans(data))
        lines.append(data.sliced(span.start, span.length));
    return lines;
}

void WriteTextLines(const QString &path, const QStringList &lines)
{
    QString data;
    for (const QString &line : lines) {
        data += line;
        data += kCrLf;
    }
    WriteFileBytes(path, EncodeCp1251(data));
}

} // namespace vornik
