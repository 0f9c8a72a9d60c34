#include "core/error/vornik_error.h"
#include "core/map/map_document.h"
#include "core/map/map_list.h"
#include "core/map/map_operations.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"
#include "support/test_editor.h"

#include <QtTest>

using namespace vornik;
using vornik::test::TestEditor;

namespace {

QStringList entriesOf(const TreeList &list)
{
    QStringList names;
    for (int item = 1; item <= list.count(); ++item)
        names << list.text(item);
    return names;
}

struct ListFixture {
    ListFixture()
    {
        editor.openBareProject();
        editor.addObject("Стена", "Кирпич");
    }

    QString folder() const { return editor.project.projectFolder; }
    QString mapFile(const QString &name) const { return MapFilePath(folder(), name); }
    QString floor(const QString &name) const { return FloorTexturePath(folder(), name); }
    QString ceiling(const QString &name) const { return CeilingTexturePath(folder(), name); }
    QString track(const QString &name) const { return JoinPath(TracksFolderPath(folder()), name + ".mp3"); }

    // Maps in the list, each with a map file holding one wall at (x, 0) for its position x,
    // its two textures and a track, all with contents naming the map.
    void addMaps(const QStringList &names)
    {
        int x = 0;
        for (const QString &name : names) {
            editor.mapList.addSibling(0, name);
            WriteFileBytes(mapFile(name), "2000\r\n2000\r\n0\r\n[\xD1\xF2\xE5\xED\xE0]\xCA\xE8\xF0\xEF\xE8\xF7 "
                                              + QByteArray::number(x) + " 0\r\n");
            WriteFileBytes(floor(name), "floor " + name.toUtf8());
            WriteFileBytes(ceiling(name), "ceiling " + name.toUtf8());
            WriteFileBytes(track(name), "track " + name.toUtf8());
            x += 32;
        }
    }
    // Map selection of the given entry, as a left click does.
    void click(int item)
    {
        editor.mapList.setSelected(item);
        SelectMap(editor.context);
    }
    QList<int> loadedXs() const
    {
        QList<int> xs;
        for (const PlacedObject &entry : editor.map.entries())
            xs << entry.position.x();
        return xs;
    }

    TestEditor editor;
};

} // namespace

class TestMapList : public QObject {
    Q_OBJECT

private slots:
    void newMapInAnEmptyList();
    void newMapNames_data();
    void newMapNames();
    void namesOutsideTheCodePageAreRefused();
    void newMapReselectsOnlyTheFirstEntry();
    void selectingAsksToSaveChanges_data();
    void selectingAsksToSaveChanges();
    void deletingTheFirstOfThree();
    void deletingCanBeDeclined();
    void movingChangesOnlyTheOrder();
    void renameMovesTheThreeFiles();
    void renameOfTheUnchangedNameAppendsOne();
    void failedRenamesAreReported();
    void nothingHappensWithoutAProject();
};

void TestMapList::newMapInAnEmptyList()
{
    ListFixture f;
    f.editor.dialogs.inputAnswers = {"Карта1"};
    NewMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked, QStringList({"input:Добавление карты|Введите имя:|Карта1"}));
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1"}));
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта1"));
    QCOMPARE(ReadFileBytes(f.floor("Карта1")), ReadFileBytes(f.editor.install.systemFile("Текстура_пол.png")));
    QCOMPARE(ReadFileBytes(f.ceiling("Карта1")), ReadFileBytes(f.editor.install.systemFile("Текстура_потолок.png")));
    QVERIFY(!QFile::exists(f.mapFile("Карта1")));
    QVERIFY(f.editor.progress.calls.contains("text:Очистка карты..."));
    QVERIFY(!f.editor.progress.visible);
}

void TestMapList::newMapNames_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<QString>("name");

    QTest::newRow("cleaned") << QStringList() << "Моя карта_2" << "Карта1" << "Моякарта2";
    QTest::newRow("separators and tabs") << QStringList({"A"}) << "Ур\\ов/ень\t 3" << "Карта2" << "Уровень3";
    QTest::newRow("case ignored") << QStringList({"Карта1"}) << "карта1" << "Карта2" << "карта11";
    QTest::newRow("repeated") << QStringList({"Б", "а1", "А"}) << "а" << "Карта4" << "а11";
    QTest::newRow("empty answer") << QStringList({"Карта1"}) << "" << "Карта2" << "";
}

void TestMapList::newMapNames()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, answer);
    QFETCH(QString, defaultName);
    QFETCH(QString, name);

    ListFixture f;
    f.addMaps(existing);
    if (!existing.isEmpty())
        f.editor.mapList.setSelected(existing.size());   // not the first: no reselection
    f.editor.dialogs.inputAnswers = {answer};
    NewMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked.first(), "input:Добавление карты|Введите имя:|" + defaultName);
    QCOMPARE(entriesOf(f.editor.mapList), existing + QStringList({name}));
    QVERIFY(QFile::exists(JoinPath(MapsFolderPath(f.folder()), name + "_пол.png")));
    QVERIFY(QFile::exists(JoinPath(MapsFolderPath(f.folder()), name + "_потолок.png")));
}

void TestMapList::namesOutsideTheCodePageAreRefused()
{
    ListFixture f;
    f.addMaps({"Карта1"});
    f.editor.dialogs.inputAnswers = {"Снег❄"};
    QVERIFY_THROWS_EXCEPTION(VornikError, NewMap(f.editor.context));
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1"}));
    QVERIFY(!QFile::exists(f.floor("Снег❄")));

    f.editor.dialogs.inputAnswers = {"Снег❄"};
    try {
        RenameMap(f.editor.context);
        QFAIL("a name Windows-1251 cannot hold was accepted");
    } catch (const VornikError &e) {
        QVERIFY(e.message().contains("Windows-1251"));
    }
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1"}));
    QVERIFY(QFile::exists(f.mapFile("Карта1")));
}

void TestMapList::newMapReselectsOnlyTheFirstEntry()
{
    ListFixture f;
    f.addMaps({"Карта1", "Карта2"});
    f.click(1);
    f.editor.project.mapModified = true;
    f.editor.dialogs.inputAnswers = {"Карта3"};
    f.editor.dialogs.yesNoAnswers = {true};
    NewMap(f.editor.context);
    // The first entry is selected: map selection runs and offers to save the map first.
    QCOMPARE(f.editor.dialogs.asked.last(), QStringLiteral("yesno:Сохранить изменения карты?"));
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта1"));
    QCOMPARE(f.editor.mapList.selected(), 1);
    QVERIFY(!f.editor.project.mapModified);

    f.click(2);
    f.editor.project.mapModified = true;
    f.editor.dialogs.asked.clear();
    f.editor.dialogs.inputAnswers = {"Карта4"};
    NewMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked.size(), 1);
    QVERIFY(f.editor.project.mapModified);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1", "Карта2", "Карта3", "Карта4"}));
}

void TestMapList::selectingAsksToSaveChanges_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("saved");

    QTest::newRow("unmodified") << false << false << false;
    QTest::newRow("yes saves") << true << true << true;
    QTest::newRow("no drops") << true << false << false;
}

void TestMapList::selectingAsksToSaveChanges()
{
    QFETCH(bool, modified);
    QFETCH(bool, answer);
    QFETCH(bool, saved);

    ListFixture f;
    f.addMaps({"Карта1", "Карта2"});
    f.click(1);
    f.editor.project.currentObjectName = "Кирпич";
    AddPlacedObject(f.editor.context, 320, 0);
    f.editor.project.mapModified = modified;
    f.editor.dialogs.yesNoAnswers = {answer};
    f.click(2);
    QCOMPARE(f.editor.dialogs.asked.contains("yesno:Сохранить изменения карты?"), modified);
    QCOMPARE(ReadTextLines(f.mapFile("Карта1")).size(), saved ? 5 : 4);
    QVERIFY(!f.editor.project.mapModified);
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта2"));
    QCOMPARE(f.loadedXs(), QList<int>({32}));
}

void TestMapList::deletingTheFirstOfThree()
{
    ListFixture f;
    f.addMaps({"Карта1", "Карта2", "Карта3"});
    f.click(1);
    f.editor.project.mapModified = true;
    f.editor.dialogs.yesNoAnswers = {true};
    DeleteMap(f.editor.context);
    // The deleted map's changes are dropped: no save question, no file written back.
    QCOMPARE(f.editor.dialogs.asked, QStringList({"yesno:Удалить карту: Карта1 ?"}));
    QVERIFY(!QFile::exists(f.mapFile("Карта1")));
    QVERIFY(!QFile::exists(f.floor("Карта1")));
    QVERIFY(!QFile::exists(f.ceiling("Карта1")));
    QVERIFY(QFile::exists(f.track("Карта1")));
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта2", "Карта3"}));
    QCOMPARE(f.editor.mapList.selected(), 1);
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта2"));
    QCOMPARE(f.loadedXs(), QList<int>({32}));

    // Deleting the last map leaves an empty canvas and no current map.
    f.editor.dialogs.yesNoAnswers = {true, true};
    DeleteMap(f.editor.context);
    DeleteMap(f.editor.context);
    QVERIFY(f.editor.mapList.isEmpty());
    QVERIFY(f.editor.map.isEmpty());
    QVERIFY(f.editor.project.currentMap.isEmpty());
    QVERIFY(!f.editor.dialogs.hasUnscripted());
}

void TestMapList::deletingCanBeDeclined()
{
    ListFixture f;
    f.addMaps({"Карта1", "Карта2"});
    f.click(2);
    f.editor.dialogs.yesNoAnswers = {false};
    DeleteMap(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1", "Карта2"}));
    QVERIFY(QFile::exists(f.mapFile("Карта2")));
    QCOMPARE(f.editor.map.count(), 1);
}

void TestMapList::movingChangesOnlyTheOrder()
{
    ListFixture f;
    f.addMaps({"Карта1", "Карта2", "Карта3"});
    f.click(2);
    MoveMapUp(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта2", "Карта1", "Карта3"}));
    QCOMPARE(f.editor.mapList.selected(), 1);
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта2"));
    QCOMPARE(ReadFileBytes(f.floor("Карта2")), QByteArray("floor Карта2"));
    MoveMapUp(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта2", "Карта1", "Карта3"}));

    MoveMapDown(f.editor.context);
    MoveMapDown(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1", "Карта3", "Карта2"}));
    QCOMPARE(f.editor.mapList.selected(), 3);
    MoveMapDown(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1", "Карта3", "Карта2"}));
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Карта2"));
    QVERIFY(f.editor.dialogs.asked.isEmpty());
}

void TestMapList::renameMovesTheThreeFiles()
{
    ListFixture f;
    f.addMaps({"Карта1", "Карта2"});
    f.click(2);
    f.editor.dialogs.inputAnswers = {"Уровень"};
    RenameMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked, QStringList({"input:Переименовать|Введите имя:|Карта2"}));
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта1", "Уровень"}));
    QVERIFY(!QFile::exists(f.mapFile("Карта2")));
    QVERIFY(!QFile::exists(f.floor("Карта2")));
    QVERIFY(!QFile::exists(f.ceiling("Карта2")));
    QCOMPARE(ReadTextLines(f.mapFile("Уровень")).last(), QStringLiteral("[Стена]Кирпич 32 0"));
    QCOMPARE(ReadFileBytes(f.floor("Уровень")), QByteArray("floor Карта2"));
    QCOMPARE(ReadFileBytes(f.ceiling("Уровень")), QByteArray("ceiling Карта2"));
    QVERIFY(QFile::exists(f.track("Карта2")));
    // The canvas still shows the renamed map; its next save goes to the new name.
    QCOMPARE(f.editor.project.currentMap, QStringLiteral("Уровень"));
}

void TestMapList::renameOfTheUnchangedNameAppendsOne()
{
    ListFixture f;
    f.addMaps({"Карта1"});
    f.click(1);
    f.editor.dialogs.inputAnswers = {"Карта1"};
    RenameMap(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта11"}));
    QVERIFY(QFile::exists(f.mapFile("Карта11")));

    f.editor.dialogs.inputAnswers = {""};
    RenameMap(f.editor.context);
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Карта11"}));
}

void TestMapList::failedRenamesAreReported()
{
    ListFixture f;
    f.editor.dialogs.inputAnswers = {"Карта1"};
    NewMap(f.editor.context);
    QVERIFY(QFile::remove(f.floor("Карта1")));
    QVERIFY(QFile::remove(f.ceiling("Карта1")));
    f.editor.dialogs.asked.clear();
    f.editor.dialogs.inputAnswers = {"Уровень"};
    RenameMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked,
             QStringList({"input:Переименовать|Введите имя:|Карта1", "message:Не могу переименовать карту!",
                          "message:Не могу переименовать текстуру пола!",
                          "message:Не могу переименовать текстуру потолка!"}));
    QCOMPARE(entriesOf(f.editor.mapList), QStringList({"Уровень"}));

    // A file of the new name already there is not replaced.
    f.addMaps({"Старая"});
    WriteFileBytes(f.floor("Новая"), "taken");
    f.editor.mapList.setSelected(2);
    f.editor.dialogs.asked.clear();
    f.editor.dialogs.inputAnswers = {"Новая"};
    RenameMap(f.editor.context);
    QCOMPARE(f.editor.dialogs.asked.mid(1), QStringList({"message:Не могу переименовать текстуру пола!"}));
    QCOMPARE(ReadFileBytes(f.floor("Новая")), QByteArray("taken"));
    QCOMPARE(ReadFileBytes(f.floor("Старая")), QByteArray("floor Старая"));
    QVERIFY(QFile::exists(f.ceiling("Новая")));
}

void TestMapList::nothingHappensWithoutAProject()
{
    TestEditor editor;
    NewMap(editor.context);
    SelectMap(editor.context);
    QVERIFY(editor.dialogs.asked.isEmpty());
    QVERIFY(editor.mapList.isEmpty());
}

QTEST_GUILESS_MAIN(TestMapList)
#include "tst_map_list.moc"
