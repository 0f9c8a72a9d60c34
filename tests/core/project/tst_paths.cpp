#include "core/project/paths.h"

#include <QtTest>

using namespace vornik;

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void directoryPart_data();
    void directoryPart();
    void joinsWithOneSeparator_data();
    void joinsWithOneSeparator();
    void projectFiles();
};

void TestPaths::directoryPart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("directory");
    QTest::newRow("project file") << "/Игры/Тест/Игра.fps" << "/Игры/Тест/";
    QTest::newRow("folder with trailing separator") << "/Игры/Тест/" << "/Игры/Тест/";
    QTest::newRow("no separator") << "Игра.fps" << "";
    QTest::newRow("empty") << "" << "";
}

void TestPaths::directoryPart()
{
    QFETCH(QString, path);
    QFETCH(QString, directory);
    QCOMPARE(DirectoryPart(path), directory);
}

void TestPaths::joinsWithOneSeparator_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("joined");
    QTest::newRow("plain") << "/a" << "b" << "/a/b";
    QTest::newRow("base ends with separator") << "/a/" << "b" << "/a/b";
    QTest::newRow("relative starts with separator") << "/a" << "/Система/Фон.png" << "/a/Система/Фон.png";
    QTest::newRow("both") << "/a//" << "//b" << "/a/b";
    QTest::newRow("trailing separator kept") << "/a" << "" << "/a/";
}

void TestPaths::joinsWithOneSeparator()
{
    QFETCH(QString, base);
    QFETCH(QString, relative);
    QFETCH(QString, joined);
    QCOMPARE(JoinPath(base, relative), joined);
}

void TestPaths::projectFiles()
{
    // A project opened from its file keeps the trailing separator; paths come out the same.
    for (const QString folder : {QStringLiteral("/Игры/Тест/"), QStringLiteral("/Игры/Тест")}) {
        QCOMPARE(MapListPath(folder), QString("/Игры/Тест/Ресурсы/Карты.list"));
        QCOMPARE(ObjectListPath(folder), QString("/Игры/Тест/Ресурсы/Объекты.list"));
        QCOMPARE(ProjectSettingsPath(folder), QString("/Игры/Тест/Игра.fps"));
        QCOMPARE(MapFilePath(folder, "Уровень1"), QString("/Игры/Тест/Ресурсы/Карты/Уровень1.map_.txt"));
        QCOMPARE(FloorTexturePath(folder, "Уровень1"), QString("/Игры/Тест/Ресурсы/Карты/Уровень1_пол.png"));
        QCOMPARE(CeilingTexturePath(folder, "Уровень1"), QString("/Игры/Тест/Ресурсы/Карты/Уровень1_потолок.png"));
        QCOMPARE(ObjectFolderPath(folder, "Кирпич"), QString("/Игры/Тест/Ресурсы/Объекты/Кирпич"));
        QCOMPARE(TracksFolderPath(folder), QString("/Игры/Тест/Ресурсы/Треки"));
        QCOMPARE(InformationPath(folder), QString("/Игры/Тест/Ресурсы/Информация.txt"));
    }
    QCOMPARE(SystemPath("/opt/vornik/", "Фон.png"), QString("/opt/vornik/Система/Фон.png"));
    QCOMPARE(StagingPath("/opt/vornik/", "Звук.wav"), QString("/opt/vornik/Временная/Звук.wav"));
}

QTEST_GUILESS_MAIN(TestPaths)
#include "tst_paths.moc"
