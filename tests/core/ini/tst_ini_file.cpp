#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/ini/ini_file.h"
#include "core/text/cp1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>

using namespace vornik;

namespace {

const QString kDefault = QStringLiteral("по умолчанию");

// File contents are given as text and stored in Windows-1251; a null text means no file.
void putFile(const QString &path, const QString &text)
{
    if (text.isNull())
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = EncodeCp1251(text);
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString expectedError(const std::function<void()> &call)
{
    try {
        call();
    } catch (const VornikError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readsStrings_data();
    void readsStrings();
    void readsIntegers_data();
    void readsIntegers();
    void writesStrings_data();
    void writesStrings();
    void writesIntegersInDecimal_data();
    void writesIntegersInDecimal();
    void readsTheFileEachTime();

    void refusedWriteKeepsTheFile_data();
    void refusedWriteKeepsTheFile();
    void readOnlyFileIsRefused();
    void textOutsideTheCodePageIsRefused_data();
    void textOutsideTheCodePageIsRefused();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("Настройка.ini"));
}

void TestIniFile::readsStrings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString longValue(3000, u'x');
    const QString cut(2047, u'x');

    QTest::newRow("plain") << "[mas]\r\nwid=32\r\n" << "mas" << "wid" << "32";
    QTest::newRow("missing file") << QString() << "mas" << "wid" << kDefault;
    QTest::newRow("missing section") << "[mas]\r\nwid=32\r\n" << "test" << "wid" << kDefault;
    QTest::newRow("missing key") << "[mas]\r\nwid=32\r\n" << "mas" << "hei" << kDefault;
    QTest::newRow("empty value is no default") << "[mas]\r\nwid=\r\n" << "mas" << "wid" << "";
    QTest::newRow("latin case") << "[MAS]\r\nWid=32\r\n" << "mAs" << "wID" << "32";
    QTest::newRow("cyrillic case") << "[Игроки]\r\nКлюч=да\r\n" << "иГРОКИ" << "КЛЮЧ" << "да";
    QTest::newRow("yo case") << "[Ёлка]\r\nёж=1\r\n" << "ёЛКА" << "ЁЖ" << "1";
    QTest::newRow("first section wins") << "[s]\r\na=1\r\n[S]\r\na=2\r\nb=3\r\n" << "s" << "a" << "1";
    QTest::newRow("only the first section") << "[s]\r\na=1\r\n[S]\r\nb=3\r\n" << "s" << "b" << kDefault;
    QTest::newRow("first key wins") << "[s]\r\na=1\r\nA=2\r\n" << "s" << "a" << "1";
    QTest::newRow("whitespace trimmed") << "  [ s ]  \r\n \t k \t=  v  w \t\r\n" << "s" << "k" << "v  w";
    QTest::newRow("no-break space kept") << "[s]\r\nk=\u00a0v\u00a0\r\n" << "s" << "k" << "\u00a0v\u00a0";
    QTest::newRow("double quotes") << "[s]\r\nk=\"  v  \"\r\n" << "s" << "k" << "  v  ";
    QTest::newRow("single quotes") << "[s]\r\nk='v'\r\n" << "s" << "k" << "v";
    QTest::newRow("quotes after trimming") << "[s]\r\nk = \"v\" \r\n" << "s" << "k" << "v";
    QTest::newRow("unmatched quotes") << "[s]\r\nk=\"v'\r\n" << "s" << "k" << "\"v'";
    QTest::newRow("one quote") << "[s]\r\nk=\"\r\n" << "s" << "k" << "\"";
    QTest::newRow("empty quotes") << "[s]\r\nk=\"\"\r\n" << "s" << "k" << "";
    QTest::newRow("inner quotes kept") << "[s]\r\nk=a\"b\"\r\n" << "s" << "k" << "a\"b\"";
    QTest::newRow("equals in value") << "[s]\r\nk=a=b\r\n" << "s" << "k" << "a=b";
    QTest::newRow("comment line") << "[s]\r\n;k=1\r\nk=2\r\n" << "s" << "k" << "2";
    QTest::newRow("indented comment") << "[s]\r\n  ; k=1\r\n" << "s" << "k" << kDefault;
    QTest::newRow("semicolon in value") << "[s]\r\nk=1 ; note\r\n" << "s" << "k" << "1 ; note";
    QTest::newRow("comment key name") << "[s]\r\n;k=1\r\n" << "s" << ";k" << kDefault;
    QTest::newRow("line without equals") << "[s]\r\nk\r\n" << "s" << "k" << kDefault;
    QTest::newRow("key after no-equals line") << "[s]\r\nk\r\nk=2\r\n" << "s" << "k" << "2";
    QTest::newRow("next section ends it") << "[s]\r\n[t]\r\nk=1\r\n" << "s" << "k" << kDefault;
    QTest::newRow("key before any section") << "k=1\r\n[s]\r\n" << "s" << "k" << kDefault;
    QTest::newRow("section without bracket") << "[s\r\nk=1\r\n" << "s" << "k" << "1";
    QTest::newRow("lone LF and CR") << "[s]\nk=1\rj=2" << "s" << "j" << "2";
    QTest::newRow("long value cut") << "[s]\r\nk=" + longValue + "\r\n" << "s" << "k" << cut;
    QTest::newRow("2047 kept") << "[s]\r\nk=" + cut + "\r\n" << "s" << "k" << cut;
    QTest::newRow("cut after quotes") << "[s]\r\nk=\"" + cut + "yz\"\r\n" << "s" << "k" << cut;
    QTest::newRow("undefined byte") << "[s]\r\nk=a\u0098b\r\n" << "s" << "k" << "a\u0098b";
}

void TestIniFile::readsStrings()
{
    QFETCH(QString, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    putFile(m_path, file);
    QCOMPARE(IniFile(m_path).readString(section, key, kDefault), expected);
}

void TestIniFile::readsIntegers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << "42" << 42;
    QTest::newRow("spaces") << " 42 " << 42;
    QTest::newRow("minus") << "-5" << -5;
    QTest::newRow("plus") << "+7" << 7;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("hex") << "0x10" << 16;
    QTest::newRow("hex capital") << "0X1f" << 31;
    QTest::newRow("hex all bits") << "0xFFFFFFFF" << -1;
    QTest::newRow("quoted") << "\"42\"" << 42;
    QTest::newRow("largest") << "2147483647" << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("too large") << "2147483648" << 99;
    QTest::newRow("hex too large") << "0x100000000" << 99;
    QTest::newRow("trailing letters") << "12abc" << 99;
    QTest::newRow("letters") << "abc" << 99;
    QTest::newRow("empty") << "" << 99;
    QTest::newRow("sign only") << "-" << 99;
    QTest::newRow("hex prefix only") << "0x" << 99;
    QTest::newRow("bad hex digit") << "0x1g" << 99;
    QTest::newRow("signed hex") << "-0x10" << 99;
    QTest::newRow("inner space") << "1 2" << 99;
    QTest::newRow("fraction") << "1.5" << 99;
    QTest::newRow("double sign") << "--1" << 99;
}

void TestIniFile::readsIntegers()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    putFile(m_path, "[test]\r\nlevel=" + value + "\r\n");
    QCOMPARE(IniFile(m_path).readInteger("test", "level", 99), expected);
    QCOMPARE(IniFile(m_path).readInteger("test", "other", 99), 99);
    QCOMPARE(IniFile(m_dir->filePath("none.ini")).readInteger("test", "level", 99), 99);
}

void TestIniFile::writesStrings_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("after");

    QTest::newRow("new file") << QString() << "Section" << "key" << "value" << "[Section]\r\nkey=value\r\n";
    QTest::newRow("empty file") << "" << "Section" << "key" << "value" << "[Section]\r\nkey=value\r\n";
    QTest::newRow("cyrillic new file") << QString() << "Игра" << "Ключ" << "Значение"
                                       << "[Игра]\r\nКлюч=Значение\r\n";
    QTest::newRow("empty value") << QString() << "globalnie" << "avtor" << "" << "[globalnie]\r\navtor=\r\n";

    QTest::newRow("replace in place")
        << "; head\r\n[s]\r\n  K = old  \r\nother=1\r\n\r\n[t]\r\nk=x\r\n" << "s" << "k" << "new"
        << "; head\r\n[s]\r\nK=new\r\nother=1\r\n\r\n[t]\r\nk=x\r\n";
    QTest::newRow("replace keeps other line ends") << "[s]\nk=1\rj=2" << "s" << "j" << "3" << "[s]\nk=1\rj=3";
    QTest::newRow("replace keeps own line end") << "[s]\nk=1\rj=2" << "s" << "k" << "5" << "[s]\nk=5\rj=2";
    QTest::newRow("replace cyrillic any case") << "[Игра]\r\nУровень=1\r\n" << "иГРА" << "уровень" << "2"
                                               << "[Игра]\r\nУровень=2\r\n";
    QTest::newRow("replace first of keys") << "[s]\r\na=1\r\nA=2\r\n" << "s" << "a" << "9" << "[s]\r\na=9\r\nA=2\r\n";
    QTest::newRow("replace in first of sections") << "[s]\r\na=1\r\n[S]\r\na=2\r\n" << "S" << "a" << "9"
                                                  << "[s]\r\na=9\r\n[S]\r\na=2\r\n";
    QTest::newRow("replace quoted") << "[s]\r\nk=\"x\"\r\n" << "s" << "k" << "y" << "[s]\r\nk=y\r\n";
    QTest::newRow("replace keeps odd bytes")
        << "\u0098;\u00a0\u001a\r\n[s]\r\nk=1\r\n;\u0098\r\n" << "s" << "k" << "2"
        << "\u0098;\u00a0\u001a\r\n[s]\r\nk=2\r\n;\u0098\r\n";

    QTest::newRow("append after last key")
        << "[s]\r\na=1\r\nb=2\r\n\r\n; c\r\n\r\n[t]\r\nx=1\r\n" << "s" << "NewKey" << "3"
        << "[s]\r\na=1\r\nb=2\r\nNewKey=3\r\n\r\n; c\r\n\r\n[t]\r\nx=1\r\n";
    QTest::newRow("append before no-equals line") << "[s]\r\na=1\r\njunk\r\n" << "s" << "k" << "v"
                                                  << "[s]\r\na=1\r\nk=v\r\njunk\r\n";
    QTest::newRow("append to section without keys") << "[s]\r\n\r\n[t]\r\n" << "s" << "k" << "v"
                                                    << "[s]\r\nk=v\r\n\r\n[t]\r\n";
    QTest::newRow("append after last line without end") << "[s]\r\na=1" << "s" << "k" << "v"
                                                        << "[s]\r\na=1\r\nk=v\r\n";
    QTest::newRow("append after header without end") << "[s]" << "s" << "k" << "v" << "[s]\r\nk=v\r\n";
    QTest::newRow("append after LF line") << "[s]\na=1\n" << "s" << "k" << "v" << "[s]\na=1\nk=v\r\n";
    QTest::newRow("append to first of sections") << "[s]\r\na=1\r\n[S]\r\nk=2\r\n" << "S" << "k" << "v"
                                                 << "[s]\r\na=1\r\nk=v\r\n[S]\r\nk=2\r\n";

    QTest::newRow("new section at end") << "[t]\r\nx=1\r\n" << "s" << "k" << "v" << "[t]\r\nx=1\r\n[s]\r\nk=v\r\n";
    QTest::newRow("new section after missing line end") << "[t]\r\nx=1" << "s" << "k" << "v"
                                                        << "[t]\r\nx=1\r\n[s]\r\nk=v\r\n";
    QTest::newRow("new section after blank lines") << "[t]\r\n\r\n" << "s" << "k" << "v"
                                                   << "[t]\r\n\r\n[s]\r\nk=v\r\n";
    QTest::newRow("new section after LF") << "[t]\n" << "s" << "k" << "v" << "[t]\n[s]\r\nk=v\r\n";
    QTest::newRow("key before sections is not in one") << "k=1\r\n" << "s" << "k" << "v"
                                                       << "k=1\r\n[s]\r\nk=v\r\n";
    QTest::newRow("commented section is none") << ";[s]\r\n" << "s" << "k" << "v" << ";[s]\r\n[s]\r\nk=v\r\n";
}

void TestIniFile::writesStrings()
{
    QFETCH(QString, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, after);
    putFile(m_path, before);
    const IniFile ini(m_path);
    ini.writeString(section, key, value);
    QCOMPARE(bytesOf(m_path), EncodeCp1251(after));
    QCOMPARE(ini.readString(section, key, kDefault), value);
}

void TestIniFile::writesIntegersInDecimal_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("zero") << 0 << QByteArray("wid=0");
    QTest::newRow("positive") << 255 << QByteArray("wid=255");
    QTest::newRow("negative") << -7 << QByteArray("wid=-7");
    QTest::newRow("smallest") << std::numeric_limits<int>::min() << QByteArray("wid=-2147483648");
}

void TestIniFile::writesIntegersInDecimal()
{
    QFETCH(int, value);
    QFETCH(QByteArray, line);
    const IniFile ini(m_path);
    ini.writeInteger("mas", "wid", value);
    QCOMPARE(bytesOf(m_path), "[mas]\r\n" + line + "\r\n");
    QCOMPARE(ini.readInteger("mas", "wid", 1), value);
}

void TestIniFile::readsTheFileEachTime()
{
    const IniFile ini(m_path);
    ini.writeString("test", "level", "1");
    QCOMPARE(ini.readString("test", "level", kDefault), QStringLiteral("1"));
    QVERIFY(QFile::remove(m_path));
    putFile(m_path, "[test]\r\nlevel=2\r\n");
    QCOMPARE(ini.readInteger("test", "level", 0), 2);
    ini.writeString("test", "other", "x");
    QCOMPARE(bytesOf(m_path), QByteArray("[test]\r\nlevel=2\r\nother=x\r\n"));
}

void TestIniFile::refusedWriteKeepsTheFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("isFolder");

    QTest::newRow("missing folder") << QStringLiteral("Нет/Игра.fps") << false;
    QTest::newRow("target is a folder") << QStringLiteral("Игра.fps") << true;
}

void TestIniFile::refusedWriteKeepsTheFile()
{
    QFETCH(QString, target);
    QFETCH(bool, isFolder);
    const QString path = m_dir->filePath(target);
    if (isFolder)
        QVERIFY(QDir(m_dir->path()).mkdir(target));
    const IniFile ini(path);

    QCOMPARE(expectedError([&] { ini.writeString("globalnie", "avtor", "Я"); }),
             QStringLiteral("Unable to write to ") + path);
    QCOMPARE(expectedError([&] { ini.writeInteger("test", "level", 1); }), messages::unableToWrite(path));
    QCOMPARE(QFileInfo(path).isDir(), isFolder);
    QCOMPARE(QFileInfo::exists(path), isFolder);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(ini.readString("globalnie", "avtor", kDefault), kDefault);
}

void TestIniFile::readOnlyFileIsRefused()
{
    putFile(m_path, "[mas]\r\nwid=1\r\n");
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadUser));
    if (QFileInfo(m_path).isWritable())
        QSKIP("this user may write read-only files");
    const IniFile ini(m_path);
    QCOMPARE(expectedError([&] { ini.writeInteger("mas", "wid", 2); }), messages::unableToWrite(m_path));
    QCOMPARE(bytesOf(m_path), QByteArray("[mas]\r\nwid=1\r\n"));
    QCOMPARE(ini.readInteger("mas", "wid", 0), 1);
}

void TestIniFile::textOutsideTheCodePageIsRefused_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("replaced value") << "[s]\r\nk=1\r\n" << "s" << "k" << "a中";
    QTest::newRow("appended value") << "[s]\r\nk=1\r\n" << "s" << "j" << "a中";
    QTest::newRow("new section name") << "[s]\r\nk=1\r\n" << "中" << "k" << "1";
    QTest::newRow("new key name in new file") << QString() << "s" << "中" << "1";
}

void TestIniFile::textOutsideTheCodePageIsRefused()
{
    QFETCH(QString, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    putFile(m_path, before);
    const QByteArray old = bytesOf(m_path);
    QCOMPARE(expectedError([&] { IniFile(m_path).writeString(section, key, value); }),
             messages::notInCodePage(QChar(0x4e2d)));
    QCOMPARE(bytesOf(m_path), old);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
