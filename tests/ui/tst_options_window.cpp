// "Опции проекта" over a real project: what it shows, what "Сохранить" writes, byte for byte.
#include "core/error/messages.h"
#include "core/project/paths.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "support/editor_windows_fixture.h"
#include "support/ui_driver.h"
#include "ui/tmap_editor.h"
#include "ui/tnw.h"
#include "ui/toptions.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace vornik;
using namespace vornik::test;

namespace {

QByteArray crlf(const QStringList &lines)
{
    return EncodeCp1251(lines.join("\r\n") + "\r\n");
}

const QStringList kFilledSettings = {"[globalnie]", "avtor=Иван Петров", "icq=123\u00A0456", "E-mail=ivan@example.ru",
                                     "versija=1.0", "licensija=Свободная", "nomer=77", "sajt=example.ru",
                                     "[test]", "level=3"};

} // namespace

struct OptionsFixture : EditorWindowsFixture {
    TMap_Editor &main() const { return windows.mainWindow(); }
    TOptions &options() const { return windows.optionsWindow(); }

    // "Новый проект" in the start window; returns the project folder.
    QString newProject(const QString &name)
    {
        const QString folder = install.projectPath(name);
        dialogs.fileAnswers.push_back(folder);
        dialogs.inputAnswers.push_back("Карта1");
        if (windows.startWindow().isVisible())
            QTest::mouseClick(windows.startWindow().newButton(), Qt::LeftButton);
        else
            chooseMenuItem(&main(), "Файл", "Новый проект");
        return folder;
    }

    bool openOptions() { return chooseMenuItem(&main(), "Игра", "Свойства") && options().isVisible(); }

    QStringList fieldTexts() const
    {
        QStringList texts;
        for (int i = 0; i < 7; ++i)
            texts << options().field(i)->text();
        return texts;
    }

    void retype(int field, const QString &text) const
    {
        QLineEdit *edit = options().field(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text);
    }
};

class TestOptionsWindow : public QObject {
    Q_OBJECT

private slots:
    void defaultNotesBeforeAnyProject();
    void roundTrip();
    void sectionMissingShowsEmptyFields();
    void notesRoundTrip_data();
    void notesRoundTrip();
    void projectWithoutNotesKeepsPreviousNotes();
    void notesThatCannotBeWritten();
};

void TestOptionsWindow::defaultNotesBeforeAnyProject()
{
    OptionsFixture fixture;
    QCOMPARE(fixture.options().windowTitle(), QString("Опции проекта"));
    QCOMPARE(fixture.options().notes()->toPlainText().split('\n'),
             QStringList({"Вся информация в окне \"Опции проекта\"", "нужна для ВАС самих. Это информация",
                          "НИКОГДА не будет доступна игроку.", "", "Это можно стереть и написать свою..."}));
    // Without a project "Свойства" does nothing.
    fixture.windows.startWindow().close();
    QVERIFY(chooseMenuItem(&fixture.main(), "Игра", "Свойства"));
    QVERIFY(!fixture.options().isVisible());
    QVERIFY(fixture.main().isEnabled());
}

void TestOptionsWindow::roundTrip()
{
    OptionsFixture fixture;
    const QString folder = fixture.newProject("Опции");
    QVERIFY(fixture.main().isEnabled());
    WriteFileBytes(ProjectSettingsPath(folder), crlf(kFilledSettings));

    QVERIFY(fixture.openOptions());
    QVERIFY(!fixture.main().isEnabled());
    QCOMPARE(fixture.fieldTexts(), QStringList({"Иван Петров", "123\u00A0456", "ivan@example.ru", "1.0", "Свободная", "77",
                                                "example.ru"}));

    fixture.retype(0, "Пётр Сидоров");
    fixture.retype(3, "2.1 бета");
    fixture.retype(5, "");
    QPlainTextEdit *notes = fixture.options().notes();
    notes->selectAll();
    QTest::keyClick(notes, Qt::Key_Delete);
    typeText(notes, "Первая строка");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClick(notes, Qt::Key_Return);
    typeText(notes, "Третья");
    QTest::mouseClick(fixture.options().findChild<QPushButton *>(), Qt::LeftButton);

    QStringList expected = kFilledSettings;
    expected[1] = "avtor=Пётр Сидоров";
    expected[4] = "versija=2.1 бета";
    expected[6] = "nomer=";
    QCOMPARE(ReadFileBytes(ProjectSettingsPath(folder)), crlf(expected));
    QCOMPARE(ReadFileBytes(InformationPath(folder)), EncodeCp1251("Первая строка\r\n\r\nТретья"));
    QVERIFY(fixture.options().isVisible());
    QVERIFY(!fixture.main().isEnabled());

    fixture.options().close();
    QVERIFY(fixture.main().isEnabled());
    QVERIFY(!fixture.dialogs.hasUnscripted());
    QCOMPARE(fixture.dialogs.asked.filter("message:"), QStringList());
}

void TestOptionsWindow::sectionMissingShowsEmptyFields()
{
    OptionsFixture fixture;
    const QString folder = fixture.newProject("Без раздела");
    WriteFileBytes(ProjectSettingsPath(folder), crlf({"[test]", "level=2"}));

    QVERIFY(fixture.openOptions());
    QCOMPARE(fixture.fieldTexts(), QStringList(7));
    fixture.retype(6, "сайт.ру");
    QTest::mouseClick(fixture.options().findChild<QPushButton *>(), Qt::LeftButton);

    const QByteArray written = ReadFileBytes(ProjectSettingsPath(folder));
    QVERIFY2(written.startsWith(crlf({"[test]", "level=2"})), written.constData());
    QVERIFY2(written.endsWith(crlf({"[globalnie]", "avtor=", "icq=", "E-mail=", "versija=", "licensija=", "nomer=",
                                    "sajt=сайт.ру"})),
             written.constData());
}

void TestOptionsWindow::notesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("final line end") << EncodeCp1251("строка\r\n") << EncodeCp1251("строка\r\n");
    QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc") << QByteArray("a\r\nb\r\nc");
    QTest::newRow("tabs and blanks") << QByteArray("\ta  b  \r\n  ") << QByteArray("\ta  b  \r\n  ");
    QTest::newRow("no-break space") << QByteArray("100\xA0\xF0\xF3\xE1.") << QByteArray("100\xA0\xF0\xF3\xE1.");
}

void TestOptionsWindow::notesRoundTrip()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, saved);
    OptionsFixture fixture;
    const QString folder = fixture.newProject("Заметки");
    WriteFileBytes(InformationPath(folder), file);
    QVERIFY(fixture.openOptions());
    QTest::mouseClick(fixture.options().findChild<QPushButton *>(), Qt::LeftButton);
    QCOMPARE(ReadFileBytes(InformationPath(folder)), saved);
}

void TestOptionsWindow::projectWithoutNotesKeepsPreviousNotes()
{
    OptionsFixture fixture;
    const QString first = fixture.newProject("Первый");
    WriteFileBytes(InformationPath(first), EncodeCp1251("Заметки первого\rвторая строка\nтретья"));
    QVERIFY(fixture.openOptions());
    QCOMPARE(fixture.options().notes()->toPlainText(), QString("Заметки первого\nвторая строка\nтретья"));
    fixture.options().close();

    fixture.dialogs.yesNoAnswers.push_back(false);   // "Сохранить изменения проекта?"
    const QString second = fixture.newProject("Второй");
    QVERIFY(!QFile::exists(InformationPath(second)));
    QVERIFY(fixture.openOptions());
    QCOMPARE(fixture.options().notes()->toPlainText(), QString("Заметки первого\nвторая строка\nтретья"));
    QTest::mouseClick(fixture.options().findChild<QPushButton *>(), Qt::LeftButton);
    QCOMPARE(ReadFileBytes(InformationPath(second)), EncodeCp1251("Заметки первого\r\nвторая строка\r\nтретья"));
    QVERIFY(!fixture.dialogs.hasUnscripted());
}

void TestOptionsWindow::notesThatCannotBeWritten()
{
    OptionsFixture fixture;
    const QString folder = fixture.newProject("Без ресурсов");
    QVERIFY(fixture.openOptions());
    QVERIFY(QDir(ResourcesPath(folder)).removeRecursively());
    fixture.retype(0, "Автор");
    QTest::mouseClick(fixture.options().findChild<QPushButton *>(), Qt::LeftButton);

    const QStringList messages = fixture.dialogs.asked.filter("message:");
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("message:" + messages::cannotCreateFile(InformationPath(folder), QString())),
             qPrintable(messages[0]));
    // The settings were written before the notes failed; the window stays open.
    QVERIFY(ReadFileBytes(ProjectSettingsPath(folder)).contains(EncodeCp1251("avtor=Автор\r\n")));
    QVERIFY(fixture.options().isVisible());
}

QTEST_MAIN(TestOptionsWindow)
#include "tst_options_window.moc"
