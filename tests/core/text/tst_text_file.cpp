#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/text/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vornik;

namespace {

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void init();

    void decodesBytes_data();
    void decodesBytes();
    void everyByteRoundTrips();
    void undefinedByteKeepsTheRest();
    void refusesCharactersOutsideTheCodePage_data();
    void refusesCharactersOutsideTheCodePage();

    void readsLines_data();
    void readsLines();
    void writesText_data();
    void writesText();
    void writesLines_data();
    void writesLines();

    void missingFileCannotBeOpened();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void readOnlyFileIsNotReplaced();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestTextFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("Блокнот.txt"));
}

void TestTextFile::decodesBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("ascii") << QByteArray("Aa0~\x7f") << QStringLiteral("Aa0~\u007f");
    QTest::newRow("capital a to ya") << QByteArray("\xc0\xdf") << QStringLiteral("АЯ");
    QTest::newRow("small a to ya") << QByteArray("\xe0\xff") << QStringLiteral("ая");
    QTest::newRow("yo") << QByteArray("\xa8\xb8") << QStringLiteral("Ёё");
    QTest::newRow("euro, numero, quotes") << QByteArray("\x88\xb9\xab\xbb") << QStringLiteral("€№«»");
    QTest::newRow("no-break space") << QByteArray("\xa0") << QStringLiteral("\u00a0");
    QTest::newRow("undefined 0x98") << QByteArray("\x98") << QStringLiteral("\u0098");
    QTest::newRow("zero byte") << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestTextFile::decodesBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(DecodeCp1251(bytes), text);
    QCOMPARE(EncodeCp1251(text), bytes);
}

void TestTextFile::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    all += all; // twice, so that each byte also follows 0xFF and every other byte

    const QString text = DecodeCp1251(all);
    QCOMPARE(text.size(), all.size());
    QCOMPARE(EncodeCp1251(text), all);

    putBytes(m_path, all);
    WriteFileBytes(m_path, EncodeCp1251(DecodeCp1251(ReadFileBytes(m_path))));
    QCOMPARE(bytesOf(m_path), all);
}

void TestTextFile::undefinedByteKeepsTheRest()
{
    const QByteArray bytes("\xc4\xe0\x98\xed\xe5\xf2\r\n\x98\r\n\xea\xee\xed\xe5\xf6");
    putBytes(m_path, bytes);
    QCOMPARE(ReadTextLines(m_path), QStringList({QStringLiteral("Да\u0098нет"), QStringLiteral("\u0098"),
                                                 QStringLiteral("конец")}));
    WriteTextLines(m_path, ReadTextLines(m_path));
    QCOMPARE(bytesOf(m_path), bytes + "\r\n");
}

void TestTextFile::refusesCharactersOutsideTheCodePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("a umlaut") << QStringLiteral("Привет, äbc") << messages::notInCodePage(QChar(0x00e4));
    QTest::newRow("first of several") << QStringLiteral("abc中ä") << messages::notInCodePage(QChar(0x4e2d));
    QTest::newRow("after undefined") << QStringLiteral("\u0098x\u0098ä") << messages::notInCodePage(QChar(0x00e4));
    QTest::newRow("beyond the plane") << QStringLiteral("x😀") << messages::notInCodePage(char32_t(0x1f600));
    QTest::newRow("lone surrogate") << QString(QStringLiteral("ab") + QChar(0xd800) + QStringLiteral("c"))
                                    << messages::notInCodePage(QChar(0xd800));
    QTest::newRow("substitute character itself") << QStringLiteral("\ufffd") << messages::notInCodePage(QChar(0xfffd));
}

void TestTextFile::refusesCharactersOutsideTheCodePage()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        EncodeCp1251(text);
        QFAIL("no error");
    } catch (const VornikError &e) {
        QCOMPARE(e.message(), message);
    }

    putBytes(m_path, "old\r\n");
    QVERIFY_THROWS_EXCEPTION(VornikError, WriteTextFile(m_path, text));
    QVERIFY_THROWS_EXCEPTION(VornikError, WriteTextLines(m_path, {text}));
    QCOMPARE(bytesOf(m_path), QByteArray("old\r\n"));
}

void TestTextFile::readsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file") << QByteArray() << QStringList() << QString();
    QTest::newRow("no line end") << QByteArray("a") << QStringList({"a"}) << "a";
    QTest::newRow("final CR LF") << QByteArray("a\r\n") << QStringList({"a"}) << "a\n";
    QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringList({"a", "b"}) << "a\nb";
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList({"a", "b"}) << "a\nb\n";
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList({"a", "b"}) << "a\nb\n";
    QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList({"a", "", "b"}) << "a\n\nb";
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringList({"a", "", "b"}) << "a\n\nb";
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << QStringList({"", ""}) << "\n\n";
    QTest::newRow("mixed") << QByteArray("1\r\n2\r3\n4") << QStringList({"1", "2", "3", "4"}) << "1\n2\n3\n4";
    QTest::newRow("cyrillic") << QByteArray("\xd1\xf2\xe5\xed\xe0\r\n") << QStringList({"Стена"}) << "Стена\n";
    QTest::newRow("tabs kept") << QByteArray("\ta \r\n") << QStringList({"\ta "}) << "\ta \n";
}

void TestTextFile::readsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    putBytes(m_path, bytes);
    QCOMPARE(ReadTextLines(m_path), lines);
    QCOMPARE(ReadTextFile(m_path), text);
}

void TestTextFile::writesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("one line") << "a" << QByteArray("a");
    QTest::newRow("two lines") << "a\nb" << QByteArray("a\r\nb");
    QTest::newRow("final line end") << "a\n" << QByteArray("a\r\n");
    QTest::newRow("empty line") << "\n" << QByteArray("\r\n");
    QTest::newRow("CR LF stays one end") << "a\r\nb" << QByteArray("a\r\nb");
    QTest::newRow("lone CR") << "a\rb" << QByteArray("a\r\nb");
    QTest::newRow("cyrillic") << "Это можно стереть\n\nи написать свою..."
                              << QByteArray("\xdd\xf2\xee \xec\xee\xe6\xed\xee \xf1\xf2\xe5\xf0\xe5\xf2\xfc\r\n\r\n"
                                            "\xe8 \xed\xe0\xef\xe8\xf1\xe0\xf2\xfc \xf1\xe2\xee\xfe...");
}

void TestTextFile::writesText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    putBytes(m_path, "a much longer old content\r\n");
    WriteTextFile(m_path, text);
    QCOMPARE(bytesOf(m_path), bytes);
}

void TestTextFile::writesLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("none") << QStringList() << QByteArray();
    QTest::newRow("one empty") << QStringList({""}) << QByteArray("\r\n");
    QTest::newRow("two") << QStringList({"a", "Ёж"}) << QByteArray("a\r\n\xa8\xe6\r\n");
    QTest::newRow("spaces kept") << QStringList({" a\t"}) << QByteArray(" a\t\r\n");
}

void TestTextFile::writesLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, bytes);
    WriteTextLines(m_path, lines);
    QCOMPARE(bytesOf(m_path), bytes);
}

void TestTextFile::missingFileCannotBeOpened()
{
    const QString start = QStringLiteral("Cannot open file \"%1\". ").arg(m_path);
    for (const auto &read : {std::function<void()>([&] { ReadFileBytes(m_path); }),
                             std::function<void()>([&] { ReadTextFile(m_path); }),
                             std::function<void()>([&] { ReadTextLines(m_path); })}) {
        try {
            read();
            QFAIL("no error");
        } catch (const VornikError &e) {
            QVERIFY2(e.message().startsWith(start) && e.message().size() > start.size(), qPrintable(e.message()));
        }
    }
    QVERIFY(!TryReadFileBytes(m_path));
    putBytes(m_path, "x");
    QCOMPARE(TryReadFileBytes(m_path), std::optional<QByteArray>("x"));
}

void TestTextFile::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("isFolder");

    QTest::newRow("missing folder") << QStringLiteral("Нет/Блокнот.txt") << false;
    QTest::newRow("target is a folder") << QStringLiteral("Ресурсы") << true;
}

void TestTextFile::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(bool, isFolder);
    const QString path = m_dir->filePath(target);
    if (isFolder)
        QVERIFY(QDir(m_dir->path()).mkdir(target));

    const QString start = QStringLiteral("Cannot create file \"%1\". ").arg(path);
    try {
        WriteTextFile(path, QStringLiteral("новое"));
        QFAIL("no error");
    } catch (const VornikError &e) {
        QVERIFY2(e.message().startsWith(start) && e.message().size() > start.size(), qPrintable(e.message()));
    }
    QCOMPARE(QFileInfo(path).isDir(), isFolder);
    QCOMPARE(QFileInfo::exists(path), isFolder);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void TestTextFile::readOnlyFileIsNotReplaced()
{
    putBytes(m_path, "old\r\n");
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ReadUser));
    if (QFileInfo(m_path).isWritable())
        QSKIP("this user may write read-only files");
    QVERIFY_THROWS_EXCEPTION(VornikError, WriteTextLines(m_path, {QStringLiteral("новое")}));
    QCOMPARE(bytesOf(m_path), QByteArray("old\r\n"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
