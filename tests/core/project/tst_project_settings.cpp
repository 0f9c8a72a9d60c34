#include "core/error/messages.h"
#include "core/project/paths.h"
#include "core/project/project_settings.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "support/error_of.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

const AuthorData kAuthor = {"Иван Петров", "123456", "ivan@mail.ru", "1.0", "Бесплатная", "", "http://игра.рф/"};

QByteArray authorSection()
{
    return EncodeCp1251("[globalnie]\r\navtor=Иван Петров\r\nicq=123456\r\nE-mail=ivan@mail.ru\r\nversija=1.0\r\n"
                        "licensija=Бесплатная\r\nnomer=\r\nsajt=http://игра.рф/\r\n");
}

} // namespace

class TestProjectSettings : public QObject {
    Q_OBJECT

private slots:
    void init();

    void fieldsInFileOrder();
    void writesAuthorData_data();
    void writesAuthorData();
    void readsAuthorData();
    void testLevelAndAuthorDataLeaveEachOther();
    void refusedWriteStops();

    void readsNotes_data();
    void readsNotes();
    void missingNotes();
    void writesNotes_data();
    void writesNotes();
    void notesWithoutResourcesFolder();

private:
    QString settingsPath() const { return ProjectSettingsPath(m_project); }
    void writeSettings(const QByteArray &bytes) const { WriteFileBytes(settingsPath(), bytes); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_project;
};

void TestProjectSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_project = m_dir->path();
    QVERIFY(QDir(m_project).mkdir("Ресурсы"));
}

void TestProjectSettings::fieldsInFileOrder()
{
    QStringList keys;
    QStringList captions;
    for (const AuthorField &field : AuthorFields()) {
        keys << field.key;
        captions << field.caption;
    }
    QCOMPARE(keys, QStringList({"avtor", "icq", "E-mail", "versija", "licensija", "nomer", "sajt"}));
    QCOMPARE(captions, QStringList({"Автор:", "ICQ:", "E-mail:", "Версия:", "Тип лицензии:", "Уникальный номер:",
                                    "Сайт:"}));
}

void TestProjectSettings::writesAuthorData_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << QByteArray() << authorSection();
    QTest::newRow("no section, other keys kept")
        << QByteArray("[test]\r\nlevel=2\r\n") << QByteArray("[test]\r\nlevel=2\r\n") + authorSection();
    QTest::newRow("values replaced in place, unknown keys kept")
        << EncodeCp1251("[Globalnie]\r\nsajt=старый\r\nengine=1\r\navtor=Кто-то\r\n")
        << EncodeCp1251("[Globalnie]\r\nsajt=http://игра.рф/\r\nengine=1\r\navtor=Иван Петров\r\nicq=123456\r\n"
                        "E-mail=ivan@mail.ru\r\nversija=1.0\r\nlicensija=Бесплатная\r\nnomer=\r\n");
}

void TestProjectSettings::writesAuthorData()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeSettings(before);
    WriteAuthorData(m_project, kAuthor);
    QCOMPARE(ReadFileBytes(settingsPath()), after);
    QCOMPARE(ReadAuthorData(m_project), kAuthor);
}

void TestProjectSettings::readsAuthorData()
{
    QCOMPARE(ReadAuthorData(m_project), AuthorData());
    writeSettings("[test]\r\nlevel=1\r\n");
    QCOMPARE(ReadAuthorData(m_project), AuthorData());
    writeSettings(EncodeCp1251("[globalnie]\r\nnomer=42\r\nAVTOR=Автор\r\n"));
    QCOMPARE(ReadAuthorData(m_project), AuthorData({"Автор", "", "", "", "", "42", ""}));
}

void TestProjectSettings::testLevelAndAuthorDataLeaveEachOther()
{
    writeSettings(authorSection());
    WriteTestLevel(m_project, 3);
    QCOMPARE(ReadFileBytes(settingsPath()), authorSection() + "[test]\r\nlevel=3\r\n");
    WriteTestLevel(m_project, 0);
    QCOMPARE(ReadFileBytes(settingsPath()), authorSection() + "[test]\r\nlevel=0\r\n");
    WriteAuthorData(m_project, kAuthor);
    QCOMPARE(ReadFileBytes(settingsPath()), authorSection() + "[test]\r\nlevel=0\r\n");
}

void TestProjectSettings::refusedWriteStops()
{
    // A folder where the file should be: the system refuses every write to it.
    QVERIFY(QDir(m_project).mkdir("Игра.fps"));
    QCOMPARE(ErrorOf([&] { WriteAuthorData(m_project, kAuthor); }), messages::unableToWrite(settingsPath()));
    QCOMPARE(ErrorOf([&] { WriteTestLevel(m_project, 1); }), messages::unableToWrite(settingsPath()));
}

void TestProjectSettings::readsNotes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("CR LF") << EncodeCp1251("Первая\r\nВторая") << "Первая\nВторая";
    QTest::newRow("lone CR and lone LF") << QByteArray("a\rb\nc\r\n\r\nd") << "a\nb\nc\n\nd";
    QTest::newRow("final line end kept") << QByteArray("a\r\n") << "a\n";
    QTest::newRow("empty") << QByteArray() << "";
}

void TestProjectSettings::readsNotes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    WriteFileBytes(InformationPath(m_project), bytes);
    QCOMPARE(ReadProjectNotes(m_project), std::optional<QString>(text));
}

void TestProjectSettings::missingNotes()
{
    QCOMPARE(ReadProjectNotes(m_project), std::nullopt);
}

void TestProjectSettings::writesNotes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("lines") << "Вся информация\n\nЭто можно стереть" << EncodeCp1251("Вся информация\r\n\r\nЭто можно стереть");
    QTest::newRow("empty field writes an empty file") << "" << QByteArray();
    QTest::newRow("no line end added") << "a\n" << QByteArray("a\r\n");
}

void TestProjectSettings::writesNotes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    WriteFileBytes(InformationPath(m_project), "old notes that are longer than the new ones");
    WriteProjectNotes(m_project, text);
    QCOMPARE(ReadFileBytes(InformationPath(m_project)), bytes);
}

void TestProjectSettings::notesWithoutResourcesFolder()
{
    QVERIFY(QDir(m_project).rmdir("Ресурсы"));
    const QString error = ErrorOf([&] { WriteProjectNotes(m_project, "x"); });
    QVERIFY2(error.startsWith(QStringLiteral("Cannot create file \"%1\".").arg(InformationPath(m_project))),
             qPrintable(error));
}

QTEST_GUILESS_MAIN(TestProjectSettings)
#include "tst_project_settings.moc"
