#include "core/ini/ini_file.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/ini/ini_lines.h"
#include "core/text/text_file.h"

#include <QFile>

#include <optional>

namespace vornik {

namespace {

// The private-profile read buffer holds 2048 characters with the closing zero.
constexpr qsizetype kMaxValueLength = 2047;

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

bool isAsciiDigits(QStringView text, int base)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool hexLetter = (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!digit && !(base == 16 && hexLetter))
            return false;
    }
    return true;
}

// Decimal with an optional sign, or "0x" hexadecimal up to 32 bits (0xFFFFFFFF is -1).
std::optional<int> parseInteger(QStringView text)
{
    bool ok = false;
    if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
        const QStringView digits = text.sliced(2);
        const uint value = isAsciiDigits(digits, 16) ? digits.toUInt(&ok, 16) : 0;
        return ok ? std::optional<int>(static_cast<int>(value)) : std::nullopt;
    }
    const QStringView digits = text.startsWith(u'+') || text.startsWith(u'-') ? text.sliced(1) : text;
    const int value = isAsciiDigits(digits, 10) ? text.toInt(&ok, 10) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QByteArray> bytes = TryReadFileBytes(m_path);
    if (!bytes)
        return defaultValue;
    const QString text = DecodeCp1251(*bytes);
    const QList<IniLine> lines = ParseIniLines(text);
    const IniPlace place = FindIniPlace(lines, section, key);
    if (place.key < 0)
        return defaultValue;
    return UnquotedIniValue(lines[place.key].value).left(kMaxValueLength).toString();
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseInteger(readString(section, key, QString())).value_or(defaultValue);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    std::optional<QByteArray> read = TryReadFileBytes(m_path);
    if (!read && QFile::exists(m_path))
        throw VornikError(messages::unableToWrite(m_path));
    QByteArray bytes = read.value_or(QByteArray());

    // Windows-1251 gives one character per byte, so positions in the text are offsets in the bytes.
    const QString text = DecodeCp1251(bytes);
    const QList<IniLine> lines = ParseIniLines(text);
    const IniPlace place = FindIniPlace(lines, section, key);
    if (place.key >= 0) {
        const IniLine &line = lines[place.key];
        const QString keyLine = line.name.toString() + u'=' + value;
        bytes.replace(line.span.start, line.span.length, EncodeCp1251(keyLine));
    } else if (place.section >= 0) {
        const LineSpan &after = lines[place.lastKey].span;
        const QByteArray keyLine = EncodeCp1251(key + u'=' + value) + kCrLf;
        bytes.insert(after.end(), after.endLength > 0 ? keyLine : kCrLf + keyLine);
    } else {
        const QByteArray added = EncodeCp1251(u'[' + section + u']') + kCrLf + EncodeCp1251(key + u'=' + value) + kCrLf;
        if (!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n'))
            bytes += kCrLf;
        bytes += added;
    }

    try {
        WriteFileBytes(m_path, bytes);
    } catch (const VornikError &) {
        throw VornikError(messages::unableToWrite(m_path));
    }
}

void IniFile::writeInteger(const QString &section, const QString &key, int value) const
{
    writeString(section, key, QString::number(value));
}

} // namespace vornik
