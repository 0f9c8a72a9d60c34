#include "core/error/vornik_error.h"
#include "core/map/map_document.h"
#include "core/map/map_operations.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"
#include "support/test_editor.h"

#include <QtTest>

using namespace vornik;
using vornik::test::TestEditor;

namespace {

// "Стена" and "Кирпич" in Windows-1251.
const QByteArray kWallBytes = "\xD1\xF2\xE5\xED\xE0";
const QByteArray kBrickBytes = "\xCA\xE8\xF0\xEF\xE8\xF7";
const QByteArray kBrickTag = "[" + kWallBytes + "]" + kBrickBytes;

// One line per entry: tag, position and size.
QStringList describe(const MapDocument &map)
{
    QStringList lines;
    for (const PlacedObject &entry : map.entries()) {
        lines << QStringLiteral("%1 %2 %3 %4x%5")
                     .arg(entry.tag)
                     .arg(entry.position.x())
                     .arg(entry.position.y())
                     .arg(entry.size().width())
                     .arg(entry.size().height());
    }
    return lines;
}

// A project with the wall Кирпич and the door Дверь1, the wall selected in the object tree.
struct MapFixture {
    MapFixture()
    {
        editor.openBareProject();
        editor.addObject("Стена", "Кирпич");
        editor.addObject("Дверь", "Дверь1");
        editor.objectTree.setSelected(editor.objectTree.findText("[Стена]Кирпич"));
    }

    QString mapPath(const QString &name = "Карта1") const { return MapFilePath(editor.project.projectFolder, name); }
    void writeMap(const QByteArray &bytes, const QString &name = "Карта1") const { WriteFileBytes(mapPath(name), bytes); }
    QString iconPath(const QString &name) const
    {
        return JoinPath(ObjectFolderPath(editor.project.projectFolder, name), "Иконка.bmp");
    }

    TestEditor editor;
};

} // namespace

class TestMapFile : public QObject {
    Q_OBJECT

private slots:
    void savesTheExactFormat();
    void emptyMapRoundTrip();
    void loads_data();
    void loads();
    void missingFileKeepsCanvasSize();
    void loadTakesCurrentObjectFromSelection();
    void placingUsesTheCurrentObject();
    void clearingKeepsSizeAndFlag();
    void failedSaveHidesProgress();
};

void TestMapFile::savesTheExactFormat()
{
    MapFixture f;
    f.editor.project.currentObjectName = "Кирпич";
    f.editor.project.currentObjectKind = "Стена";
    AddPlacedObject(f.editor.context, 64, 32);
    AddPlacedObject(f.editor.context, 96, 32);
    AddPlacedObject(f.editor.context, -32, -32);
    AddPlacedObject(f.editor.context, -5, 7, "[Дверь]Дверь1");
    f.editor.progress.calls.clear();
    SaveMap(f.editor.context, "Карта1");

    const QByteArray expected = "2000\r\n2000\r\n3\r\n" + kBrickTag + " 64 32\r\n" + kBrickTag + " 96 32\r\n"
                                + kBrickTag + " -32 -32\r\n[\xC4\xE2\xE5\xF0\xFC]\xC4\xE2\xE5\xF0\xFC" "1 -5 7\r\n";
    QCOMPARE(ReadFileBytes(f.mapPath()), expected);
    QCOMPARE(f.editor.progress.calls, QStringList({"text:Сохранение карты...", "show", "hide"}));

    // The parked copy is written but not read back.
    LoadMap(f.editor.context, "Карта1");
    QCOMPARE(describe(f.editor.map),
             QStringList({"[Стена]Кирпич 64 32 32x32", "[Стена]Кирпич 96 32 32x32", "[Дверь]Дверь1 -5 7 32x32"}));
    QVERIFY(f.editor.dialogs.asked.isEmpty());
}

void TestMapFile::emptyMapRoundTrip()
{
    MapFixture f;
    SaveMap(f.editor.context, "Пустая");
    QCOMPARE(ReadFileBytes(f.mapPath("Пустая")), QByteArray("2000\r\n2000\r\n-1\r\n"));
    AddPlacedObject(f.editor.context, 0, 0, "[Стена]Кирпич");
    LoadMap(f.editor.context, "Пустая");
    QVERIFY(f.editor.map.isEmpty());
    QCOMPARE(f.editor.map.canvasSize(), QSize(2000, 2000));
}

void TestMapFile::loads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QSize>("canvasSize");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("messages");   // {icon} stands for the object folder's icon path

    QTest::newRow("only -32 -32 is skipped")
        << "3000\r\n1500\r\n2\r\n" + kBrickTag + " -32 10\r\n" + kBrickTag + " -32 -32\r\n" + kBrickTag + " 10 -32\r\n"
        << QSize(3000, 1500) << QStringList({"[Стена]Кирпич -32 10 32x32", "[Стена]Кирпич 10 -32 32x32"})
        << QString() << QStringList();
    QTest::newRow("conversion error keeps the entries before it")
        << "2000\r\n2000\r\n2\r\n" + kBrickTag + " 64 32\r\n" + kBrickTag + " abc 32\r\n" + kBrickTag + " 0 0\r\n"
        << QSize(2000, 2000) << QStringList({"[Стена]Кирпич 64 32 32x32"})
        << "'abc' is not a valid integer value" << QStringList();
    QTest::newRow("bad y")
        << "2000\r\n2000\r\n0\r\n" + kBrickTag + " 64 3 2\r\n"
        << QSize(2000, 2000) << QStringList() << "'3 2' is not a valid integer value" << QStringList();
    QTest::newRow("fewer lines than announced")
        << "2000\r\n2000\r\n5\r\n" + kBrickTag + " 64 32\r\n"
        << QSize(2000, 2000) << QStringList({"[Стена]Кирпич 64 32 32x32"})
        << "'' is not a valid integer value" << QStringList();
    QTest::newRow("empty count line reads no objects")
        << "2000\r\n2000\r\n\r\n" + kBrickTag + " 64 32\r\n"
        << QSize(2000, 2000) << QStringList() << QString() << QStringList();
    QTest::newRow("empty size lines keep the size")
        << "\r\n\r\n0\r\n" + kBrickTag + " 1 2\r\n"
        << QSize(2000, 2000) << QStringList({"[Стена]Кирпич 1 2 32x32"}) << QString() << QStringList();
    QTest::newRow("bad width stops at once")
        << "wide\r\n2000\r\n0\r\n" + kBrickTag + " 1 2\r\n"
        << QSize(2000, 2000) << QStringList() << "'wide' is not a valid integer value" << QStringList();
    QTest::newRow("lone LF and hex coordinates")
        << "2000\n2000\n0\n" + kBrickTag + " $40 0x20\n"
        << QSize(2000, 2000) << QStringList({"[Стена]Кирпич 64 32 32x32"}) << QString() << QStringList();
    QTest::newRow("missing icon gives an entry of no size")
        << QByteArray("2000\r\n2000\r\n1\r\n[\xD1\xE2\xE5\xF2]\xCB\xE0\xEC\xEF\xE0 5 6\r\n"
                      "[\xD1\xE2\xE5\xF2]\xCB\xE0\xEC\xEF\xE0 7 8\r\n")
        << QSize(2000, 2000) << QStringList({"[Свет]Лампа 5 6 0x0", "[Свет]Лампа 7 8 0x0"}) << QString()
        << QStringList({"message:Не могу найти файл:{Лампа}", "message:Не могу найти файл:{Лампа}"});
    QTest::newRow("parent folder name reads no picture")
        << "2000\r\n2000\r\n0\r\n[" + kWallBytes + "].. 5 6\r\n"
        << QSize(2000, 2000) << QStringList({"[Стена].. 5 6 0x0"}) << QString()
        << QStringList({"message:Не могу найти файл:{..}"});
    QTest::newRow("name with a separator reads no picture")
        << "2000\r\n2000\r\n0\r\n[" + kWallBytes + "]../" + kBrickBytes + " 5 6\r\n"
        << QSize(2000, 2000) << QStringList({"[Стена]../Кирпич 5 6 0x0"}) << QString()
        << QStringList({"message:Не могу найти файл:{../Кирпич}"});
}

void TestMapFile::loads()
{
    QFETCH(QByteArray, file);
    QFETCH(QSize, canvasSize);
    QFETCH(QStringList, entries);
    QFETCH(QString, error);
    QFETCH(QStringList, messages);

    MapFixture f;
    // A picture just outside the objects folder, which a crafted tag must not reach.
    QVERIFY(QFile::copy(f.iconPath("Кирпич"), JoinPath(ResourcesPath(f.editor.project.projectFolder), "Иконка.bmp")));
    f.writeMap(file);
    QString thrown;
    try {
        LoadMap(f.editor.context, "Карта1");
    } catch (const VornikError &e) {
        thrown = e.message();
    }
    QCOMPARE(thrown, error);
    QCOMPARE(describe(f.editor.map), entries);
    QCOMPARE(f.editor.map.canvasSize(), canvasSize);
    QVERIFY(!f.editor.progress.visible);
    QCOMPARE(f.editor.progress.calls.first(), QStringLiteral("text:Очистка карты..."));
    QCOMPARE(f.editor.progress.calls.last(), QStringLiteral("hide"));
    QCOMPARE(f.editor.progress.calls.count(QStringLiteral("hide")), 1);
    QStringList expectedMessages;
    for (QString message : messages) {
        const qsizetype open = message.indexOf('{');
        const QString name = message.mid(open + 1, message.size() - open - 2);
        expectedMessages << message.left(open) + f.iconPath(name);
    }
    QCOMPARE(f.editor.dialogs.asked, expectedMessages);
}

void TestMapFile::missingFileKeepsCanvasSize()
{
    MapFixture f;
    f.writeMap("4000\r\n3000\r\n0\r\n" + kBrickTag + " 64 32\r\n");
    LoadMap(f.editor.context, "Карта1");
    QCOMPARE(f.editor.map.count(), 1);
    f.editor.progress.calls.clear();
    LoadMap(f.editor.context, "Нет");
    QVERIFY(f.editor.map.isEmpty());
    QCOMPARE(f.editor.map.canvasSize(), QSize(4000, 3000));
    QCOMPARE(f.editor.progress.calls, QStringList({"text:Очистка карты...", "show", "hide"}));
}

void TestMapFile::loadTakesCurrentObjectFromSelection()
{
    MapFixture f;
    f.writeMap("2000\r\n2000\r\n0\r\n[\xC4\xE2\xE5\xF0\xFC]\xC4\xE2\xE5\xF0\xFC" "1 0 0\r\n");
    f.editor.project.currentObjectKind = "Свет";
    LoadMap(f.editor.context, "Карта1");
    QCOMPARE(f.editor.project.currentObjectName, QStringLiteral("Кирпич"));
    QCOMPARE(f.editor.project.currentObjectKind, QStringLiteral("Стена"));

    // On a category line the load leaves the last loaded name, and the kind as it was.
    f.editor.objectTree.setSelected(1);
    f.editor.project.currentObjectKind = "Свет";
    LoadMap(f.editor.context, "Карта1");
    QCOMPARE(f.editor.project.currentObjectName, QStringLiteral("Дверь1"));
    QCOMPARE(f.editor.project.currentObjectKind, QStringLiteral("Свет"));
}

void TestMapFile::placingUsesTheCurrentObject()
{
    MapFixture f;
    f.editor.project.currentObjectName = "Кирпич";
    f.editor.project.currentObjectKind = "Стена";
    const int first = AddPlacedObject(f.editor.context, 1, 2);
    const int second = AddPlacedObject(f.editor.context, 3, 4, "[Дверь]Кирпич");
    QCOMPARE(first, 0);
    QCOMPARE(second, 1);
    QCOMPARE(describe(f.editor.map), QStringList({"[Стена]Кирпич 1 2 32x32", "[Дверь]Кирпич 3 4 32x32"}));
    // One icon for all copies of the object.
    QCOMPARE(f.editor.map.entry(0).picture.get(), f.editor.map.entry(1).picture.get());
    // The painted icon has the template's bottom-left colour cleared.
    const QImage icon(f.iconPath("Кирпич"));
    const QImage &painted = *f.editor.map.entry(0).picture;
    QCOMPARE(qAlpha(painted.pixel(0, 31)), 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (icon.pixel(x, y) != icon.pixel(0, 31))
                QCOMPARE(painted.pixel(x, y), icon.pixel(x, y));
        }
    }

    f.editor.project.currentObjectName = "Нет";
    AddPlacedObject(f.editor.context, 5, 6);
    QCOMPARE(f.editor.dialogs.asked, QStringList({"message:Не могу найти файл:" + f.iconPath("Нет")}));
    QCOMPARE(f.editor.map.entry(2).size(), QSize(0, 0));
}

void TestMapFile::clearingKeepsSizeAndFlag()
{
    MapFixture f;
    f.writeMap("640\r\n480\r\n0\r\n" + kBrickTag + " 64 32\r\n");
    LoadMap(f.editor.context, "Карта1");
    f.editor.project.mapModified = true;
    f.editor.progress.calls.clear();
    ClearMap(f.editor.context, false);
    QVERIFY(f.editor.map.isEmpty());
    QCOMPARE(f.editor.map.canvasSize(), QSize(640, 480));
    QVERIFY(f.editor.project.mapModified);
    QCOMPARE(f.editor.progress.calls, QStringList({"text:Очистка карты...", "show", "hide"}));
}

void TestMapFile::failedSaveHidesProgress()
{
    MapFixture f;
    QVERIFY(QDir(MapsFolderPath(f.editor.project.projectFolder)).removeRecursively());
    try {
        SaveMap(f.editor.context, "Карта1");
        QFAIL("saving into a missing folder did not fail");
    } catch (const VornikError &e) {
        QVERIFY(e.message().startsWith(QStringLiteral("Cannot create file \"%1\".").arg(f.mapPath())));
    }
    QVERIFY(!f.editor.progress.visible);
}

QTEST_GUILESS_MAIN(TestMapFile)
#include "tst_map_file.moc"
