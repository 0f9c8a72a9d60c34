#include "core/text/cp1251.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vornik {

namespace {

constexpr const char *kCodePage = "windows-1251";

// Windows-1251 leaves 0x98 undefined and codecs differ on it (a substitute, an error, or
// U+0098). It is passed around the codec so that it always stands for U+0098 and back.
constexpr char kUndefinedByte = '\x98';
constexpr QChar kUndefinedChar = QChar(0x0098);

QStringDecoder makeDecoder()
{
    QStringDecoder decoder(kCodePage);
    if (!decoder.isValid())
        qFatal("The Windows-1251 codec is missing: Qt must be built with ICU");
    return decoder;
}

QStringEncoder makeEncoder()
{
    QStringEncoder encoder(kCodePage);
    if (!encoder.isValid())
        qFatal("The Windows-1251 codec is missing: Qt must be built with ICU");
    return encoder;
}

// Throws the error naming the first character of the piece that the code page cannot hold.
[[noreturn]] void throwFirstUnencodable(QStringView piece)
{
    for (qsizetype i = 0; i < piece.size(); ++i) {
        const QChar ch = piece[i];
        if (ch.isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate())
            throw VornikError(messages::notInCodePage(QChar::surrogateToUcs4(ch, piece[i + 1])));
        QStringEncoder single = makeEncoder();
        const QByteArray bytes = single.encode(piece.sliced(i, 1));
        if (single.hasError() || bytes.size() != 1)
            throw VornikError(messages::notInCodePage(ch));
    }
    Q_UNREACHABLE();
}

} // namespace

QByteArray EncodeCp1251(const QString &text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(kUndefinedChar, from);
        const QStringView piece = QStringView(text).sliced(from, (at < 0 ? text.size() : at) - from);
        const QByteArray encoded = encoder.encode(piece);
        // A lone surrogate vanishes without an error, hence the length check too.
        if (encoder.hasError() || encoded.size() != piece.size())
            throwFirstUnencodable(piece);
        bytes += encoded;
        if (at < 0)
            return bytes;
        bytes += kUndefinedByte;
        from = at + 1;
    }
}

QString DecodeCp1251(const QByteArray &bytes)
{
    QStringDecoder decoder = makeDecoder();
    QString text;
    text.reserve(bytes.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = bytes.indexOf(kUndefinedByte, from);
        text += decoder.decode(QByteArrayView(bytes).sliced(from, (at < 0 ? bytes.size() : at) - from));
        if (at < 0)
            return text;
        text += kUndefinedChar;
        from = at + 1;
    }
}

} // namespace vornik
