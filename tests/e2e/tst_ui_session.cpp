// One editing session through the program's real windows, driven by mouse and keyboard, from
// "Новый проект" to a test launch of a stand-in engine; the files are checked byte for byte.
#include "core/map/map_document.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/project/recent_projects.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "core/treelist/tree_list.h"
#include "support/expected_files.h"
#include "support/fakes.h"
#include "support/stub_engine/stub_engine_record.h"
#include "support/temp_install.h"
#include "support/ui_driver.h"
#include "ui/canvas_widget.h"
#include "ui/editor_windows.h"
#include "ui/tmap_editor.h"
#include "ui/tnw.h"
#include "ui/tree_list_view.h"

#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QtTest>

using namespace vornik;
using namespace vornik::test;

namespace {


} // namespace

// The user's hand on the canvas: the pointer is put where the mouse is, then the event and the
// canvas's timer tick happen there, as they would with a real mouse.
struct Hand {
    CanvasWidget *canvas;
    Qt::KeyboardModifiers modifiers;
    Qt::MouseButtons held = Qt::NoButton;

    void press(Qt::MouseButton button, QPoint at)
    {
        QCursor::setPos(canvas->mapToGlobal(at));
        QTest::mousePress(canvas, button, modifiers, at);
        held |= button;
        canvas->tickNow();
    }
    // A move with the buttons held. QTest::mouseMove carries no modifiers and would lift Shift,
    // so the move is sent the way the window system sends it, modifiers and all.
    void dragTo(QPoint at) const
    {
        QCursor::setPos(canvas->mapToGlobal(at));
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, held, modifiers);
        QSpontaneKeyEvent::setSpontaneous(&move);
        QApplication::sendEvent(canvas, &move);
        canvas->tickNow();
    }
    void release(Qt::MouseButton button, QPoint at)
    {
        QCursor::setPos(canvas->mapToGlobal(at));
        QTest::mouseRelease(canvas, button, modifiers, at);
        held &= ~Qt::MouseButtons(button);
    }
};

class TestUiSession : public QObject {
    Q_OBJECT

private slots:
    void wholeSession();
};

void TestUiSession::wholeSession()
{
    TempInstall install;
    QVERIFY(install.isValid());
    FakeDialogs dialogs;
    // The real shell starts the stand-in engine.
    EditorWindows windows(install.installFolder(), &dialogs);
    TMap_Editor &main = windows.mainWindow();
    TNW &start = windows.startWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    const QString folder = install.projectPath("Сессия");

    // Past the start window, "Новый проект" from the main menu.
    start.close();
    QVERIFY(main.isEnabled());
    dialogs.fileAnswers.push_back(folder);
    dialogs.inputAnswers.push_back("Подвал");
    QVERIFY(chooseMenuItem(&main, "Файл", "Новый проект"));
    QCOMPARE(main.windowTitle(), QString("Vornik FPS v 1.1 - Игра"));
    QCOMPARE(main.mapListView()->topLevelItem(0)->text(0), QString("Подвал"));

    // A wall, added through the object tree's context menu.
    TreeList &tree = main.context().objectTree;
    TreeListView *treeView = main.objectTreeView();
    QVERIFY(clickRow(treeView, tree.findText("Стены")));
    QMenu *menu = openContextMenu(treeView, tree.findText("Стены"));
    QVERIFY(menu != nullptr);
    dialogs.inputAnswers.push_back("Кирпич");
    QVERIFY(clickMenuItem(menu, "Добавить"));
    QVERIFY(tree.findText("[Стена]Кирпич") > 0);
    QVERIFY(clickRow(treeView, tree.findText("[Стена]Кирпич")));

    CanvasWidget *canvas = main.canvas();
    const MapDocument &map = main.context().map;
    Hand hand{canvas, Qt::NoModifier};

    // One copy, dragged one grid point to the right before the release.
    hand.press(Qt::LeftButton, {40, 40});
    hand.dragTo({70, 45});
    QStringList labels;
    for (const QLabel *label : main.cursorLabels())
        labels << label->text();
    QCOMPARE(labels, QStringList({"Курсор X: 70", "Курсор Y: 45", "Сетка X: 64", "Сетка Y: 32"}));
    hand.release(Qt::LeftButton, {70, 45});
    QVERIFY(main.context().project.mapModified);

    // A second copy, then taken up again and carried to the right.
    QVERIFY(clickRow(treeView, tree.findText("[Стена]Кирпич")));
    hand.press(Qt::LeftButton, {200, 100});
    hand.release(Qt::LeftButton, {200, 100});
    hand.press(Qt::LeftButton, {200, 100});
    hand.dragTo({260, 100});
    hand.release(Qt::LeftButton, {260, 100});
    QCOMPARE(placedOf(map), QStringList({"[Стена]Кирпич 64 32", "[Стена]Кирпич 256 96"}));

    // A row of four painted with Shift held.
    QVERIFY(clickRow(treeView, tree.findText("[Стена]Кирпич")));
    Hand shifted{canvas, Qt::ShiftModifier};
    QTest::keyPress(&main, Qt::Key_Shift, Qt::ShiftModifier);
    shifted.press(Qt::LeftButton, {5, 165});
    for (int x : {20, 37, 69, 101})
        shifted.dragTo({x, 165});
    shifted.release(Qt::LeftButton, {101, 165});
    QTest::keyRelease(&main, Qt::Key_Shift, Qt::NoModifier);
    QCOMPARE(placedOf(map), QStringList({"[Стена]Кирпич 64 32", "[Стена]Кирпич 256 96", "[Стена]Кирпич 0 160",
                                         "[Стена]Кирпич 32 160", "[Стена]Кирпич 64 160", "[Стена]Кирпич 96 160"}));

    // The right button held over the last two of the row erases both.
    hand.press(Qt::RightButton, {70, 165});
    hand.dragTo({100, 170});
    hand.release(Qt::RightButton, {100, 170});
    const QStringList placed = {"[Стена]Кирпич 64 32", "[Стена]Кирпич 256 96", "[Стена]Кирпич 0 160",
                                "[Стена]Кирпич 32 160"};
    QCOMPARE(placedOf(map), placed);
    // The copies are painted: the wall's icon, not the canvas's background, lies under them.
    const QImage shown = canvas->grab(QRect(0, 160, 32, 32)).toImage();
    const QColor background = canvas->palette().color(QPalette::ToolTipBase);
    QVERIFY(shown.pixelColor(16, 16) != background);

    QVERIFY(chooseMenuItem(&main, "Файл", "Сохранить проект"));
    QVERIFY(!main.context().project.mapModified);
    const QByteArray mapFile = crlfLines({"2000", "2000", "3", "[Стена]Кирпич 64 32", "[Стена]Кирпич 256 96",
                                          "[Стена]Кирпич 0 160", "[Стена]Кирпич 32 160"});
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Подвал")), mapFile);

    // Reopened from the start window's recent list; the project was just saved.
    QVERIFY(chooseMenuItem(&main, "Файл", "Открыть проект"));
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QCOMPARE(start.recentView()->topLevelItemCount(), 1);
    dialogs.yesNoAnswers.push_back(false);
    QVERIFY(doubleClickRow(start.recentView(), 1));
    QVERIFY(!start.isVisible());
    QCOMPARE(main.context().project.projectFolder, folder + "/");
    QCOMPARE(main.context().project.currentMap, QString("Подвал"));
    QCOMPARE(placedOf(map), placed);

    // "Тест карты" starts the stand-in engine in the project folder.
    const QString engine = install.systemFile(names::kEngine);
    QVERIFY(QFile::copy(QStringLiteral(VORNIK_STUB_ENGINE), engine));
    const QString record = install.systemFile(kStubEngineRecord);
    QVERIFY(chooseMenuItem(&main, "Карта", "Тест карты"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(record), 10000);
    QCOMPARE(QDir(QString::fromUtf8(ReadFileBytes(record))).canonicalPath(), QDir(folder).canonicalPath());

    QStringList objects = DecodeCp1251(ReadFileBytes(install.systemFile(names::kStandardObjectList)))
                              .split("\r\n", Qt::SkipEmptyParts);
    QCOMPARE(dialogs.asked, QStringList({"save:", "input:Добавление карты|Введите имя:|Карта1",
                                         "input:Добавление объекта|Введите имя:|Объект" + QString::number(objects.size()),
                                         "yesno:Сохранить изменения проекта?"}));
    objects.insert(objects.indexOf("Стены") + 1, "\t[Стена]Кирпич");
    QCOMPARE(ReadFileBytes(ObjectListPath(folder)), crlfLines(objects));
    QCOMPARE(ReadFileBytes(MapListPath(folder)), crlfLines({"Подвал"}));
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Подвал")), mapFile);
    QCOMPARE(ReadFileBytes(RecentProjectsPath(install.installFolder())), crlfLines({ProjectSettingsPath(folder)}));
    QCOMPARE(ReadFileBytes(ProjectSettingsPath(folder)),
             crlfLines({"[globalnie]", "avtor=", "icq=", "E-mail=", "versija=", "licensija=", "nomer=", "sajt=",
                        "[test]", "level=1"}));
}

QTEST_MAIN(TestUiSession)
#include "tst_ui_session.moc"
