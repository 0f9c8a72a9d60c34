#include "core/error/messages.h"
#include "core/map/map_list.h"
#include "core/map/map_operations.h"
#include "core/project/file_copies.h"
#include "core/project/paths.h"
#include "core/project/project_settings.h"
#include "core/text/text_file.h"
#include "launch/test_launch.h"
#include "support/error_of.h"
#include "support/test_editor.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

class TestTestLaunch : public QObject {
    Q_OBJECT

private slots:
    void init();

    void mapTestLevel_data();
    void mapTestLevel();
    void gameTestPlaysWholeGame();
    void savePrompt_data();
    void savePrompt();
    void nothingWithoutMapOrProject();
    void refusedSettingsWriteStartsNothing();

private:
    // The settings template with the level the launch must have written.
    QByteArray settingsWithLevel(int level) const;
    QByteArray settings() const { return ReadFileBytes(ProjectSettingsPath(m_folder)); }
    void checkStartedOnce() const;

    std::unique_ptr<test::TestEditor> m_editor;
    QString m_folder;
};

void TestTestLaunch::init()
{
    m_editor = std::make_unique<test::TestEditor>();
    QVERIFY(m_editor->install.isValid());
    m_folder = m_editor->openBareProject();
    QVERIFY(QFile::copy(m_editor->install.systemFile("Игра.fps"), ProjectSettingsPath(m_folder)));
    for (int i = 1; i <= 5; ++i)
        m_editor->mapList.addSibling(0, QStringLiteral("Карта%1").arg(i));
}

QByteArray TestTestLaunch::settingsWithLevel(int level) const
{
    QByteArray bytes = ReadFileBytes(m_editor->install.systemFile("Игра.fps"));
    const QByteArray templateLevel = "\r\nlevel=0\r\n";
    if (!bytes.contains(templateLevel))
        qFatal("the settings template has no test level 0");
    return bytes.replace(templateLevel, "\r\nlevel=" + QByteArray::number(level) + "\r\n");
}

void TestTestLaunch::checkStartedOnce() const
{
    QCOMPARE(m_editor->shell.started.size(), std::size_t(1));
    QCOMPARE(m_editor->shell.started[0].program, JoinPath(m_editor->install.installFolder(), "Система/3d.exe"));
    QCOMPARE(m_editor->shell.started[0].workingFolder, m_folder);
    QVERIFY(m_editor->shell.openedFolders.isEmpty());
}

void TestTestLaunch::mapTestLevel_data()
{
    QTest::addColumn<QString>("currentMap");
    QTest::addColumn<int>("level");

    QTest::newRow("third of five") << "Карта3" << 3;
    QTest::newRow("first") << "Карта1" << 1;
    QTest::newRow("other letter case") << "кАРТА5" << 5;
    QTest::newRow("not in the list") << "Карта6" << 0;
}

void TestTestLaunch::mapTestLevel()
{
    QFETCH(QString, currentMap);
    QFETCH(int, level);
    m_editor->project.currentMap = currentMap;
    RunMapTest(m_editor->context);
    QCOMPARE(settings(), settingsWithLevel(level));
    checkStartedOnce();
    QVERIFY(m_editor->dialogs.asked.isEmpty());
}

void TestTestLaunch::gameTestPlaysWholeGame()
{
    m_editor->project.currentMap = "Карта3";
    RunMapTest(m_editor->context);
    QCOMPARE(settings(), settingsWithLevel(3));
    m_editor->shell.started.clear();
    RunGameTest(m_editor->context);
    QCOMPARE(settings(), settingsWithLevel(0));
    checkStartedOnce();
}

void TestTestLaunch::savePrompt_data()
{
    QTest::addColumn<bool>("wholeGame");
    QTest::addColumn<bool>("answer");

    QTest::newRow("map test, yes") << false << true;
    QTest::newRow("map test, no") << false << false;
    QTest::newRow("game test, yes") << true << true;
    QTest::newRow("game test, no") << true << false;
}

void TestTestLaunch::savePrompt()
{
    QFETCH(bool, wholeGame);
    QFETCH(bool, answer);

    m_editor->mapList.setSelected(2);
    m_editor->project.currentMap = "Карта2";
    m_editor->addObject("Стена", "Кирпич");
    m_editor->project.currentObjectName = "Кирпич";
    m_editor->project.currentObjectKind = "Стена";
    AddPlacedObject(m_editor->context, 64, 32);
    m_editor->project.mapModified = true;
    m_editor->dialogs.yesNoAnswers.push_back(answer);

    wholeGame ? RunGameTest(m_editor->context) : RunMapTest(m_editor->context);

    QCOMPARE(m_editor->dialogs.asked, QStringList({"yesno:Сохранить изменения карты?"}));
    QVERIFY(!m_editor->project.mapModified);
    const QString mapFile = MapFilePath(m_folder, "Карта2");
    if (answer)
        QCOMPARE(ReadFileBytes(mapFile), QByteArray("2000\r\n2000\r\n0\r\n").append(EncodeCp1251("[Стена]Кирпич 64 32\r\n")));
    else
        QVERIFY(!QFile::exists(mapFile));
    QCOMPARE(settings(), settingsWithLevel(wholeGame ? 0 : 2));
    checkStartedOnce();

    // The changes are not asked about again when another map is selected.
    m_editor->mapList.setSelected(4);
    SelectMap(m_editor->context);
    QCOMPARE(m_editor->dialogs.asked.size(), 1);
    QCOMPARE(m_editor->project.currentMap, QString("Карта4"));
}

void TestTestLaunch::nothingWithoutMapOrProject()
{
    m_editor->project.mapModified = true;
    RunMapTest(m_editor->context);

    m_editor->project.currentMap = "Карта1";
    const QString folder = m_editor->project.projectFolder;
    m_editor->project.projectFolder.clear();
    RunMapTest(m_editor->context);
    RunGameTest(m_editor->context);

    QVERIFY(m_editor->dialogs.asked.isEmpty());
    QVERIFY(m_editor->shell.started.empty());
    QVERIFY(m_editor->project.mapModified);
    QCOMPARE(ReadFileBytes(ProjectSettingsPath(folder)), ReadFileBytes(m_editor->install.systemFile("Игра.fps")));
}

void TestTestLaunch::refusedSettingsWriteStartsNothing()
{
    QVERIFY(QFile::remove(ProjectSettingsPath(m_folder)));
    QVERIFY(QDir().mkdir(ProjectSettingsPath(m_folder)));
    m_editor->project.currentMap = "Карта1";
    QCOMPARE(ErrorOf([&] { RunMapTest(m_editor->context); }), messages::unableToWrite(ProjectSettingsPath(m_folder)));
    QCOMPARE(ErrorOf([&] { RunGameTest(m_editor->context); }), messages::unableToWrite(ProjectSettingsPath(m_folder)));
    QVERIFY(m_editor->shell.started.empty());
}

QTEST_MAIN(TestTestLaunch)
#include "tst_test_launch.moc"
