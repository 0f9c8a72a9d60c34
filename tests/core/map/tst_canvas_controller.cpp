#include "core/error/vornik_error.h"
#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/map/map_operations.h"
#include "core/project/paths.h"
#include "support/test_editor.h"

#include <QSignalSpy>
#include <QtTest>

using namespace vornik;
using vornik::test::TestEditor;

namespace {

CanvasPointer at(int x, int y, bool shift = false)
{
    return {QPoint(x, y), true, shift};
}

CanvasPointer outside(int x, int y, bool shift = false)
{
    return {QPoint(x, y), false, shift};
}

QList<QPoint> positionsOf(const MapDocument &map)
{
    QList<QPoint> positions;
    for (const PlacedObject &entry : map.entries())
        positions << entry.position;
    return positions;
}

QList<QPoint> sorted(QList<QPoint> positions)
{
    std::sort(positions.begin(), positions.end(),
              [](QPoint a, QPoint b) { return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y()); });
    return positions;
}

// A project with the 32 × 32 wall Кирпич (selected in the tree) and the 24 × 16 light Малый.
struct CanvasFixture {
    CanvasFixture()
    {
        editor.openBareProject();
        editor.addObject("Стена", "Кирпич");
        editor.addObject("Свет", "Малый");
        QImage small(24, 16, QImage::Format_RGB888);
        small.fill(Qt::yellow);
        small.save(iconPath("Малый"), "BMP");
        select("[Стена]Кирпич");
    }

    void select(const QString &line) { editor.objectTree.setSelected(editor.objectTree.findText(line)); }
    QString iconPath(const QString &name) const
    {
        return JoinPath(ObjectFolderPath(editor.project.projectFolder, name), "Иконка.bmp");
    }
    // Copies of the current object at the positions, as a loaded map has them.
    void place(const QString &name, const QList<QPoint> &positions)
    {
        editor.project.currentObjectName = name;
        for (QPoint p : positions)
            AddPlacedObject(editor.context, p.x(), p.y(), "[Стена]" + name);
    }

    CanvasController &canvas() { return editor.canvas; }
    EditorContext &context() { return editor.context; }

    TestEditor editor;
};

} // namespace

class TestCanvasController : public QObject {
    Q_OBJECT

private slots:
    void pressPlacesOnTheGridPoint_data();
    void pressPlacesOnTheGridPoint();
    void placingNeedsArmingAndAnObjectLine();
    void gridFields_data();
    void gridFields();
    void autoGridFollowsTheHeldObject();
    void autoGridKeepsStepsItCannotUse();
    void overlapDeletesOnlyOneObject_data();
    void overlapDeletesOnlyOneObject();
    void shiftBrushPaintsARow_data();
    void shiftBrushPaintsARow();
    void rightButtonErases();
    void newCopyParksOffMapPickedOneStays();
    void shiftPressOnHeldMakesANewCopy();
    void cursorLabels();
    void refreshReloadsOnlyThatObjectsCopies();
    void refreshOfAMissingIconFails();
};

void TestCanvasController::pressPlacesOnTheGridPoint_data()
{
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("stepY");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("placed");

    QTest::newRow("32 x 32") << 32 << 32 << QPoint(95, 40) << QPoint(64, 32);
    QTest::newRow("on a grid line") << 32 << 32 << QPoint(64, 32) << QPoint(64, 32);
    QTest::newRow("uneven steps") << 10 << 7 << QPoint(19, 13) << QPoint(10, 7);
    QTest::newRow("truncated toward zero") << 32 << 32 << QPoint(-40, -5) << QPoint(-32, 0);
}

void TestCanvasController::pressPlacesOnTheGridPoint()
{
    QFETCH(int, stepX);
    QFETCH(int, stepY);
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, placed);

    CanvasFixture f;
    f.canvas().setGridWidthText(QString::number(stepX));
    f.canvas().setGridHeightText(QString::number(stepY));
    f.editor.project.currentObjectName = "Малый";
    f.canvas().setArmed(true);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(pointer.x(), pointer.y()));
    QCOMPARE(positionsOf(f.editor.map), QList<QPoint>({placed}));
    QCOMPARE(f.editor.map.entry(0).tag, QStringLiteral("[Стена]Кирпич"));
    QCOMPARE(f.editor.project.currentObjectName, QStringLiteral("Кирпич"));
    QCOMPARE(f.editor.project.currentObjectKind, QStringLiteral("Стена"));
    QCOMPARE(f.canvas().heldObject(), 0);
    QVERIFY(!f.canvas().heldWasPicked());
    QVERIFY(!f.canvas().armed());
    // Placing alone leaves the map unmodified; the timer's first move marks it.
    QVERIFY(!f.editor.project.mapModified);
    f.canvas().tick(f.context(), at(pointer.x() + stepX, pointer.y()));
    QVERIFY(f.editor.project.mapModified);
    QCOMPARE(f.editor.map.entry(0).position, f.canvas().gridPoint(pointer + QPoint(stepX, 0)));
    f.canvas().releaseOnCanvas(Qt::LeftButton);
    QCOMPARE(f.canvas().heldObject(), CanvasController::kNoObject);
    QVERIFY(f.canvas().armed());
}

void TestCanvasController::placingNeedsArmingAndAnObjectLine()
{
    CanvasFixture f;
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(10, 10));
    QVERIFY(f.editor.map.isEmpty());
    QVERIFY(f.canvas().canvasButtonDown());

    f.select("Стены");
    f.canvas().setArmed(true);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(10, 10));
    QVERIFY(f.editor.map.isEmpty());
    QVERIFY(!f.canvas().armed());

    // A release anywhere on the empty canvas arms placement again.
    f.select("[Стена]Кирпич");
    f.canvas().releaseOnCanvas(Qt::MiddleButton);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(10, 10));
    QCOMPARE(f.editor.map.count(), 1);

    // Placing again while holding the first copy replaces it.
    f.canvas().setArmed(true);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(100, 100));
    QCOMPARE(positionsOf(f.editor.map), QList<QPoint>({QPoint(96, 96)}));
}

void TestCanvasController::gridFields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("error");

    QTest::newRow("255 is taken") << "255" << 255 << QString();
    QTest::newRow("1 is taken") << "1" << 1 << QString();
    QTest::newRow("300 keeps the step") << "300" << 40 << QString();
    QTest::newRow("256 keeps the step") << "256" << 40 << QString();
    QTest::newRow("0 keeps the step") << "0" << 40 << QString();
    QTest::newRow("negative keeps the step") << "-5" << 40 << QString();
    QTest::newRow("empty keeps the step") << "" << 40 << QString();
    QTest::newRow("hexadecimal") << "$10" << 16 << QString();
    QTest::newRow("no number") << "3a" << 40 << "'3a' is not a valid integer value";
}

void TestCanvasController::gridFields()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(QString, error);

    CanvasController canvas;
    canvas.setGridWidthText("40");
    canvas.setGridHeightText("40");
    for (const bool width : {true, false}) {
        QString thrown;
        try {
            if (width)
                canvas.setGridWidthText(text);
            else
                canvas.setGridHeightText(text);
        } catch (const VornikError &e) {
            thrown = e.message();
        }
        QCOMPARE(thrown, error);
        QCOMPARE(width ? canvas.gridStepX() : canvas.gridStepY(), step);
        QCOMPARE(width ? canvas.gridStepY() : canvas.gridStepX(), width ? 40 : step);
        QCOMPARE(width ? canvas.gridWidthText() : canvas.gridHeightText(), text);
    }
}

void TestCanvasController::autoGridFollowsTheHeldObject()
{
    CanvasFixture f;
    f.place("Малый", {QPoint(0, 0)});
    f.canvas().setGridWidthText("40");
    f.canvas().clickAutoGrid(true);
    QCOMPARE(f.canvas().gridStepX(), 40);
    f.canvas().pressOnEntry(f.context(), 0, Qt::LeftButton, at(5, 5));
    f.editor.project.mapModified = false;
    // The steps change after this tick's grid point was worked out; the next tick uses them.
    f.canvas().tick(f.context(), outside(100, 100));
    QCOMPARE(f.canvas().gridStepX(), 24);
    QCOMPARE(f.canvas().gridStepY(), 16);
    QVERIFY(f.editor.project.mapModified);
    QCOMPARE(f.editor.map.entry(0).position, QPoint(0, 0));
    f.canvas().tick(f.context(), at(50, 50));
    QCOMPARE(f.editor.map.entry(0).position, QPoint(48, 48));

    // Unticking puts the fields' values back.
    f.canvas().clickAutoGrid(false);
    QCOMPARE(f.canvas().gridStepX(), 40);
    QCOMPARE(f.canvas().gridStepY(), 32);
    f.canvas().tick(f.context(), at(50, 50));
    QCOMPARE(f.canvas().gridStepX(), 40);
}

void TestCanvasController::autoGridKeepsStepsItCannotUse()
{
    CanvasFixture f;
    QImage wide(256, 20, QImage::Format_RGB888);
    wide.fill(Qt::gray);
    QVERIFY(wide.save(f.iconPath("Кирпич"), "BMP"));
    f.place("Кирпич", {QPoint(0, 0)});
    f.place("Нет", {QPoint(64, 0)});   // no icon: no size
    f.editor.dialogs.asked.clear();
    f.canvas().clickAutoGrid(true);
    f.canvas().pressOnEntry(f.context(), 0, Qt::LeftButton, at(5, 5));
    f.canvas().tick(f.context(), at(70, 70));
    QCOMPARE(f.canvas().gridStepX(), 32);
    QCOMPARE(f.canvas().gridStepY(), 20);
    f.canvas().releaseHeldObject();
    f.canvas().pressOnEntry(f.context(), 1, Qt::LeftButton, at(64, 0));
    f.canvas().tick(f.context(), at(70, 70));
    QCOMPARE(f.canvas().gridStepX(), 32);
    QCOMPARE(f.canvas().gridStepY(), 20);
    QCOMPARE(f.editor.map.entry(1).position, QPoint(64, 60));
}

void TestCanvasController::overlapDeletesOnlyOneObject_data()
{
    QTest::addColumn<bool>("deleteOnOverlap");
    QTest::addColumn<QStringList>("left");

    QTest::newRow("ticked") << true << QStringList({"[Стена]C", "[Стена]E", "[Стена]F"});
    QTest::newRow("unticked") << false << QStringList({"[Стена]B", "[Стена]C", "[Стена]E", "[Стена]F"});
}

void TestCanvasController::overlapDeletesOnlyOneObject()
{
    QFETCH(bool, deleteOnOverlap);
    QFETCH(QStringList, left);

    CanvasFixture f;
    f.editor.project.currentObjectName = "Кирпич";
    AddPlacedObject(f.context(), 64, 32, "[Стена]B");
    AddPlacedObject(f.context(), 64, 32, "[Стена]C");
    AddPlacedObject(f.context(), 0, 0, "[Стена]E");
    AddPlacedObject(f.context(), 64, 64, "[Стена]F");
    f.canvas().setDeleteOnOverlap(deleteOnOverlap);
    f.canvas().pressOnEntry(f.context(), 2, Qt::LeftButton, at(5, 5));
    QCOMPARE(f.canvas().heldObject(), 2);
    QVERIFY(f.canvas().heldWasPicked());
    f.canvas().tick(f.context(), at(70, 40));
    f.canvas().releaseOnEntry(f.context(), 2, Qt::LeftButton, at(70, 40));
    QStringList tags;
    for (const PlacedObject &entry : f.editor.map.entries())
        tags << entry.tag;
    QCOMPARE(tags, left);
    QCOMPARE(f.canvas().heldObject(), CanvasController::kNoObject);
    QVERIFY(f.editor.project.mapModified);
}

void TestCanvasController::shiftBrushPaintsARow_data()
{
    QTest::addColumn<bool>("deleteOnOverlap");
    QTest::addColumn<QList<QPoint>>("firstDrag");
    QTest::addColumn<QList<QPoint>>("afterSecondDrag");

    const QList<QPoint> row = {QPoint(32, 32), QPoint(64, 32), QPoint(96, 32), QPoint(128, 32), QPoint(160, 32)};
    // The second drag starts on the cell the first one painted last: only the press puts a copy
    // there (a press never deletes what lies beneath).
    const QList<QPoint> secondDrag = {QPoint(160, 32), QPoint(160, 0)};
    QTest::newRow("overlap deletes") << true << row << row + secondDrag;
    // The press and the brush both put a copy on the first grid point, unless the brush painted
    // that point last in the previous drag.
    const QList<QPoint> doubled = QList<QPoint>({QPoint(32, 32)}) + row;
    QTest::newRow("overlap keeps")
        << false << doubled << doubled + secondDrag;
}

void TestCanvasController::shiftBrushPaintsARow()
{
    QFETCH(bool, deleteOnOverlap);
    QFETCH(QList<QPoint>, firstDrag);
    QFETCH(QList<QPoint>, afterSecondDrag);

    CanvasFixture f;
    f.canvas().setDeleteOnOverlap(deleteOnOverlap);
    f.canvas().setArmed(true);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(40, 40, true));
    QCOMPARE(f.canvas().heldObject(), CanvasController::kNoObject);
    for (int x = 40; x <= 168; x += 32)
        f.canvas().tick(f.context(), at(x, 40, true));
    f.canvas().releaseOnCanvas(Qt::LeftButton);
    QCOMPARE(sorted(positionsOf(f.editor.map)), sorted(firstDrag));
    QVERIFY(!f.editor.project.mapModified);
    QCOMPARE(f.canvas().lastPaintedCell(), QPoint(160, 32));

    // A second drag from the last painted cell, going up.
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(170, 40, true));
    f.canvas().tick(f.context(), at(170, 40, true));
    f.canvas().tick(f.context(), at(170, 10, true));
    f.canvas().releaseOnCanvas(Qt::LeftButton);
    QCOMPARE(sorted(positionsOf(f.editor.map)), sorted(afterSecondDrag));
    QVERIFY(!f.editor.project.mapModified);
}

void TestCanvasController::rightButtonErases()
{
    CanvasFixture f;
    f.place("Кирпич", {QPoint(0, 0), QPoint(32, 0), QPoint(64, 0), QPoint(96, 0)});
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(500, 500));
    f.canvas().releaseOnCanvas(Qt::LeftButton);
    f.canvas().pressOnEntry(f.context(), 0, Qt::RightButton, at(5, 5));
    QVERIFY(f.canvas().eraseMode());
    QVERIFY(f.editor.project.mapModified);
    f.editor.project.mapModified = false;
    // Indexes move down as entries go: the next two are both index 0 in turn.
    f.canvas().moveOverEntry(f.context(), 0);
    QVERIFY(f.editor.project.mapModified);
    f.canvas().moveOverEntry(f.context(), 0);
    QCOMPARE(positionsOf(f.editor.map), QList<QPoint>({QPoint(96, 0)}));
    f.canvas().releaseOnCanvas(Qt::RightButton);
    QVERIFY(!f.canvas().eraseMode());
    f.canvas().moveOverEntry(f.context(), 0);
    QCOMPARE(f.editor.map.count(), 1);

    // Leaving the view ends erasing too.
    f.canvas().pressOnCanvas(f.context(), Qt::RightButton, at(500, 500));
    QVERIFY(f.canvas().eraseMode());
    f.canvas().tick(f.context(), outside(-5, 10));
    QVERIFY(!f.canvas().eraseMode());
    QVERIFY(!f.canvas().canvasButtonDown());
    f.canvas().moveOverEntry(f.context(), 0);
    QCOMPARE(f.editor.map.count(), 1);
}

void TestCanvasController::newCopyParksOffMapPickedOneStays()
{
    CanvasFixture f;
    f.canvas().setArmed(true);
    f.canvas().pressOnCanvas(f.context(), Qt::LeftButton, at(40, 40));
    f.canvas().tick(f.context(), outside(3000, 40));
    QCOMPARE(f.editor.map.entry(0).position, kOffMapPosition);
    f.canvas().tick(f.context(), at(100, 70));
    QCOMPARE(f.editor.map.entry(0).position, QPoint(96, 64));
    f.canvas().releaseOnCanvas(Qt::LeftButton);

    f.canvas().pressOnEntry(f.context(), 0, Qt::LeftButton, at(100, 70));
    f.editor.project.mapModified = false;
    f.canvas().tick(f.context(), outside(3000, 40));
    QCOMPARE(f.editor.map.entry(0).position, QPoint(96, 64));
    QVERIFY(!f.editor.project.mapModified);
    f.canvas().tick(f.context(), at(10, 10));
    QCOMPARE(f.editor.map.entry(0).position, QPoint(0, 0));
    QVERIFY(f.editor.project.mapModified);
}

void TestCanvasController::shiftPressOnHeldMakesANewCopy()
{
    CanvasFixture f;
    f.place("Кирпич", {QPoint(0, 0)});
    f.editor.project.currentObjectName = "Малый";
    f.editor.project.currentObjectKind = "Свет";
    f.canvas().pressOnEntry(f.context(), 0, Qt::LeftButton, at(5, 5, true));
    QCOMPARE(f.canvas().heldObject(), 0);
    QCOMPARE(f.editor.map.count(), 1);
    f.canvas().pressOnEntry(f.context(), 0, Qt::LeftButton, at(5, 5, true));
    QCOMPARE(f.editor.map.count(), 2);
    QCOMPARE(f.canvas().heldObject(), 1);
    QVERIFY(!f.canvas().heldWasPicked());
    QCOMPARE(f.editor.map.entry(1).tag, QStringLiteral("[Свет]Малый"));
    QCOMPARE(f.editor.map.entry(1).position, kOffMapPosition);
    QCOMPARE(f.editor.map.entry(1).size(), QSize(24, 16));

    // Deleting any entry lets go of the held one.
    DeletePlacedObject(f.context(), 0);
    QCOMPARE(f.canvas().heldObject(), CanvasController::kNoObject);
}

void TestCanvasController::cursorLabels()
{
    CanvasFixture f;
    QCOMPARE(f.canvas().cursorXLabel(), QStringLiteral("Курсор \u0425:"));
    QCOMPARE(f.canvas().cursorYLabel(), QStringLiteral("Курсор \u0423:"));
    QCOMPARE(f.canvas().gridXLabel(), QStringLiteral("Сетка \u0425:"));
    QCOMPARE(f.canvas().gridYLabel(), QStringLiteral("Сетка \u0423:"));
    QSignalSpy changed(&f.canvas(), &CanvasController::labelsChanged);
    f.canvas().tick(f.context(), at(95, 40));
    f.canvas().tick(f.context(), at(95, 40));
    f.canvas().tick(f.context(), outside(-7, 3000));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(f.canvas().cursorXLabel(), QStringLiteral("Курсор X: 95"));
    QCOMPARE(f.canvas().cursorYLabel(), QStringLiteral("Курсор Y: 40"));
    QCOMPARE(f.canvas().gridXLabel(), QStringLiteral("Сетка X: 64"));
    QCOMPARE(f.canvas().gridYLabel(), QStringLiteral("Сетка Y: 32"));
}

void TestCanvasController::refreshReloadsOnlyThatObjectsCopies()
{
    CanvasFixture f;
    f.place("Кирпич", {QPoint(0, 0), QPoint(32, 0)});
    AddPlacedObject(f.context(), 64, 0, "[Дверь]Кирпич");
    QImage changed(24, 16, QImage::Format_RGB888);
    changed.fill(Qt::green);
    QVERIFY(changed.save(f.iconPath("Кирпич"), "BMP"));
    f.editor.progress.show();
    f.canvas().refreshPlacedIcons(f.context(), "[Стена]", "Кирпич");
    QCOMPARE(f.editor.map.entry(0).size(), QSize(24, 16));
    QCOMPARE(f.editor.map.entry(1).picture.get(), f.editor.map.entry(0).picture.get());
    QCOMPARE(f.editor.map.entry(2).size(), QSize(32, 32));
    QVERIFY(!f.editor.progress.visible);
    // The reloaded icon is hit-tested at its new size.
    QCOMPARE(f.editor.map.topmostAt({28, 10}), -1);
    QCOMPARE(f.editor.map.topmostAt({20, 10}), 0);
}

void TestCanvasController::refreshOfAMissingIconFails()
{
    CanvasFixture f;
    f.place("Кирпич", {QPoint(0, 0)});
    QVERIFY(QFile::remove(f.iconPath("Кирпич")));
    f.editor.progress.show();
    try {
        f.canvas().refreshPlacedIcons(f.context(), "[Стена]", "Кирпич");
        QFAIL("refreshing a missing icon did not fail");
    } catch (const VornikError &e) {
        QVERIFY(e.message().startsWith(QStringLiteral("Cannot open file \"%1\".").arg(f.iconPath("Кирпич"))));
    }
    QVERIFY(!f.editor.progress.visible);
    QCOMPARE(f.editor.map.entry(0).size(), QSize(32, 32));
}

QTEST_GUILESS_MAIN(TestCanvasController)
#include "tst_canvas_controller.moc"
