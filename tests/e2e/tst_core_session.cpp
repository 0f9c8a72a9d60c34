// One editing session through the core operations, as the main window would drive them, checked
// on disk byte for byte.
#include "core/catalogue/catalogue_operations.h"
#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/map/map_list.h"
#include "core/project/new_project.h"
#include "core/project/open_project_file.h"
#include "core/project/paths.h"
#include "core/project/project_save.h"
#include "core/project/recent_projects.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "launch/test_launch.h"
#include "support/expected_files.h"
#include "support/test_editor.h"

#include <QDir>
#include <QtTest>

using namespace vornik;
using vornik::test::crlfLines;
using vornik::test::placedOf;

namespace {

CanvasPointer at(int x, int y, bool shift = false)
{
    return {QPoint(x, y), true, shift};
}


} // namespace

class TestCoreSession : public QObject {
    Q_OBJECT

private slots:
    void wholeSession();
};

void TestCoreSession::wholeSession()
{
    test::TestEditor editor;
    QVERIFY(editor.install.isValid());
    EditorContext &context = editor.context;
    TreeList &tree = editor.objectTree;
    CanvasController &canvas = editor.canvas;
    const QString folder = editor.install.projectPath("Сессия");

    // "Новый проект", the first map under its default name (Cancel).
    editor.dialogs.fileAnswers.push_back(folder);
    editor.dialogs.inputAnswers.push_back("Карта1");
    QVERIFY(NewProject(context));

    // A wall and an enemy.
    tree.setSelected(tree.findText("Стены"));
    editor.dialogs.inputAnswers.push_back("Кирпич");
    AddObject(context);
    tree.setSelected(tree.findText("Враги"));
    editor.dialogs.inputAnswers.push_back("Злой солдат");
    AddObject(context);

    // One wall, dragged one grid point to the right before the release.
    tree.setSelected(tree.findText("[Стена]Кирпич"));
    ClickObjectTreeLine(context);
    canvas.pressOnCanvas(context, Qt::LeftButton, at(40, 40));
    canvas.tick(context, at(70, 45));
    canvas.releaseOnCanvas(Qt::LeftButton);
    QVERIFY(editor.project.mapModified);

    // One enemy.
    tree.setSelected(tree.findText("[Враг]Злойсолдат"));
    ClickObjectTreeLine(context);
    canvas.pressOnCanvas(context, Qt::LeftButton, at(200, 100));
    canvas.tick(context, at(200, 100));
    canvas.releaseOnCanvas(Qt::LeftButton);

    // A row of four walls painted with Shift held.
    tree.setSelected(tree.findText("[Стена]Кирпич"));
    ClickObjectTreeLine(context);
    canvas.pressOnCanvas(context, Qt::LeftButton, at(5, 165, true));
    for (int x : {5, 20, 37, 69, 101})
        canvas.tick(context, at(x, 165, true));
    canvas.releaseOnCanvas(Qt::LeftButton);
    QCOMPARE(placedOf(editor.map), QStringList({"[Стена]Кирпич 64 32", "[Враг]Злойсолдат 192 96",
                                                "[Стена]Кирпич 0 160", "[Стена]Кирпич 32 160",
                                                "[Стена]Кирпич 64 160", "[Стена]Кирпич 96 160"}));

    // The third wall of the row erased with the right button.
    canvas.pressOnEntry(context, 4, Qt::RightButton, at(70, 165));
    canvas.releaseOnCanvas(Qt::RightButton);
    QVERIFY(!canvas.eraseMode());

    SaveProject(context);
    QVERIFY(!editor.project.mapModified);
    const QByteArray map = crlfLines({"2000", "2000", "4", "[Стена]Кирпич 64 32", "[Враг]Злойсолдат 192 96",
                                      "[Стена]Кирпич 0 160", "[Стена]Кирпич 32 160", "[Стена]Кирпич 96 160"});
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Карта1")), map);

    editor.mapList.setSelected(1);
    editor.dialogs.inputAnswers.push_back("Главная карта");
    RenameMap(context);

    // Reopened through its settings file; the project question saves the renamed list first.
    editor.dialogs.yesNoAnswers.push_back(true);
    QVERIFY(OpenProjectFile(context, ProjectSettingsPath(folder)));
    QVERIFY(!editor.dialogs.hasUnscripted());
    QVERIFY(editor.dialogs.yesNoAnswers.empty() && editor.dialogs.inputAnswers.empty());

    QStringList objects = DecodeCp1251(ReadFileBytes(editor.install.systemFile("Стандартный список объектов.txt")))
                              .split("\r\n", Qt::SkipEmptyParts);
    objects.insert(objects.indexOf("Стены") + 1, "\t[Стена]Кирпич");
    objects.insert(objects.indexOf("Враги") + 1, "\t[Враг]Злойсолдат");
    QCOMPARE(ReadFileBytes(ObjectListPath(folder)), crlfLines(objects));
    QCOMPARE(ReadFileBytes(MapListPath(folder)), crlfLines({"Главнаякарта"}));
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Главнаякарта")), map);
    QCOMPARE(QDir(MapsFolderPath(folder)).entryList(QDir::Files, QDir::Name),
             QStringList({"Главнаякарта.map_.txt", "Главнаякарта_пол.png", "Главнаякарта_потолок.png"}));
    QCOMPARE(ReadFileBytes(FloorTexturePath(folder, "Главнаякарта")),
             ReadFileBytes(editor.install.systemFile("Текстура_пол.png")));
    QCOMPARE(ReadFileBytes(RecentProjectsPath(editor.install.installFolder())),
             crlfLines({ProjectSettingsPath(folder)}));

    QCOMPARE(tree.lines(), objects);
    QCOMPARE(editor.project.currentMap, QString("Главнаякарта"));
    QCOMPARE(placedOf(editor.map), QStringList({"[Стена]Кирпич 64 32", "[Враг]Злойсолдат 192 96",
                                                "[Стена]Кирпич 0 160", "[Стена]Кирпич 32 160",
                                                "[Стена]Кирпич 96 160"}));
    QVERIFY(!editor.map.entry(1).size().isEmpty());

    RunMapTest(context);
    QCOMPARE(editor.shell.started.size(), std::size_t(1));
    QCOMPARE(editor.shell.started[0].workingFolder, folder + "/");
    QVERIFY(ReadFileBytes(ProjectSettingsPath(folder)).endsWith("[test]\r\nlevel=1\r\n"));
}

QTEST_MAIN(TestCoreSession)
#include "tst_core_session.moc"
