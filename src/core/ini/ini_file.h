#pragma once

#include <QString>

namespace vornik {

// An INI file read and written by the Windows private-profile rules: names compared without
// regard to case, the first matching section and key win, a write replaces one value in place and
// keeps every other byte of the file. Every call goes to the file itself; nothing is cached.
class IniFile {
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    // A missing file, section or key gives the default. Values are read up to 2047 characters.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal with an optional sign, or "0x" hexadecimal; any other text gives the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;

    // Throws "Unable to write to <path>" when the system refuses the write.
    void writeString(const QString &section, const QString &key, const QString &value) const;
    void writeInteger(const QString &section, const QString &key, int value) const;

private:
    QString m_path;
};

} // namespace vornik
