#include "core/catalogue/catalogue_operations.h"
#include "core/map/map_document.h"
#include "core/map/map_operations.h"
#include "core/project/file_copies.h"
#include "core/project/leave_program.h"
#include "core/project/new_project.h"
#include "core/project/open_project_file.h"
#include "core/project/paths.h"
#include "core/project/project_save.h"
#include "core/project/project_settings.h"
#include "core/project/recent_projects.h"
#include "core/project/window_title.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "support/error_of.h"
#include "support/test_editor.h"

#include <QDirIterator>
#include <QFile>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

const QByteArray kEmptyMap = "2000\r\n2000\r\n-1\r\n";

// Every file below the folder, as paths relative to it, sorted.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray crlfLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + "\r\n";
    return EncodeCp1251(text);
}

// What the editor's state looks like from outside: compared before and after a refused step.
struct EditorSnapshot {
    OpenProject project;
    QStringList objects;
    QStringList maps;
    QStringList placed;
    QString title;

    explicit EditorSnapshot(const test::TestEditor &editor)
        : project(editor.project),
          objects(editor.objectTree.lines()),
          maps(editor.mapList.lines()),
          title(WindowTitle(editor.project))
    {
        for (const PlacedObject &entry : editor.map.entries())
            placed << QStringLiteral("%1 %2 %3").arg(entry.tag).arg(entry.position.x()).arg(entry.position.y());
    }
};

} // namespace

class TestProjectLifecycle : public QObject {
    Q_OBJECT

private slots:
    void init();

    void newProjectFromTemplates();
    void newProjectOverExistingProject();
    void loseScreenFallsBackToWinScreen();
    void cancelledNewProjectKeepsEverything();
    void replacingDropsUnsavedMap_data();
    void replacingDropsUnsavedMap();
    void replacedProjectSavedIntoItsOwnFolder();

    void opensProject();
    void opensProjectWithoutMaps();
    void openingWithoutListsChangesNothing_data();
    void openingWithoutListsChangesNothing();
    void cancelledOpenDialog();

    void saveProjectSavesSelectedMap();
    void saveProjectWithoutMapsOrProject();
    void leaveProgram_data();
    void leaveProgram();
    void titleOfNoProject();

private:
    // Creates a project by "Новый проект" with the first map named mapName; answers the project
    // prompt with No when a project is open.
    QString newProject(const QString &name, const QString &mapName = QStringLiteral("Карта1"));
    // Places a wall copy at the position on the current map and marks the map modified.
    void placeWall(QPoint position);
    QString system(const QString &name) const { return m_editor->install.systemFile(name); }

    std::unique_ptr<test::TestEditor> m_editor;
};

void TestProjectLifecycle::init()
{
    m_editor = std::make_unique<test::TestEditor>();
    QVERIFY(m_editor->install.isValid());
    QFile::remove(RecentProjectsPath(m_editor->install.installFolder()));
}

QString TestProjectLifecycle::newProject(const QString &name, const QString &mapName)
{
    const QString folder = m_editor->install.projectPath(name);
    if (m_editor->project.isOpen())
        m_editor->dialogs.yesNoAnswers.push_back(false);
    m_editor->dialogs.fileAnswers.push_back(folder);
    m_editor->dialogs.inputAnswers.push_back(mapName);
    if (!NewProject(m_editor->context))
        qFatal("the new project was not made");
    return folder;
}

void TestProjectLifecycle::placeWall(QPoint position)
{
    TreeList &tree = m_editor->objectTree;
    if (tree.findText("[Стена]Кирпич") == 0) {
        tree.setSelected(tree.findText("Стены"));
        m_editor->dialogs.inputAnswers.push_back("Кирпич");
        AddObject(m_editor->context);
    }
    m_editor->project.currentObjectName = "Кирпич";
    m_editor->project.currentObjectKind = "Стена";
    AddPlacedObject(m_editor->context, position.x(), position.y());
    m_editor->project.mapModified = true;
}

void TestProjectLifecycle::newProjectFromTemplates()
{
    const QString folder = m_editor->install.projectPath("Моя игра");
    m_editor->dialogs.fileAnswers.push_back(folder);
    m_editor->dialogs.inputAnswers.push_back("Карта1");
    QVERIFY(NewProject(m_editor->context));

    QCOMPARE(m_editor->dialogs.asked, QStringList({"save:", "input:Добавление карты|Введите имя:|Карта1"}));
    QVERIFY(!m_editor->dialogs.hasUnscripted());
    QCOMPARE(m_editor->project.projectFolder, folder);
    QCOMPARE(m_editor->project.gameName, QString("Игра"));
    QCOMPARE(m_editor->project.currentMap, QString("Карта1"));
    QVERIFY(!m_editor->project.mapModified);
    QCOMPARE(WindowTitle(m_editor->project), QString("Vornik FPS v 1.1 - Игра"));
    QCOMPARE(m_editor->progress.calls.mid(0, 2), QStringList({"text:Идет создание нового проекта...", "show"}));
    QCOMPARE(m_editor->progress.calls.last(), QString("hide"));
    QVERIFY(!m_editor->progress.visible);

    const QStringList menu = {"Вы_проиграли.png", "Выход.jpg", "Загрузить.jpg", "Игра_пройдена.png", "Новая_игра.jpg",
                              "Продолжить.jpg", "Сохранить.jpg", "Фон.png"};
    QStringList expected = {"Игра.fps", "Ресурсы/Карты.list", "Ресурсы/Объекты.list", "Ресурсы/Карты/Карта1.map_.txt",
                            "Ресурсы/Карты/Карта1_пол.png", "Ресурсы/Карты/Карта1_потолок.png"};
    for (const QString &picture : menu) {
        expected << "Ресурсы/Меню/" + picture;
        QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Меню", picture)), ReadFileBytes(system(picture)));
    }
    expected.sort();
    QCOMPARE(filesUnder(folder), expected);
    for (const QString &empty : {"Ресурсы/Объекты", "Ресурсы/Треки"})
        QVERIFY(QDir(JoinPath(folder, empty)).exists());

    QCOMPARE(ReadFileBytes(JoinPath(folder, "Игра.fps")), ReadFileBytes(system("Игра.fps")));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Объекты.list")),
             ReadFileBytes(system("Стандартный список объектов.txt")));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты.list")), crlfLines({"Карта1"}));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1.map_.txt")), kEmptyMap);
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1_пол.png")), ReadFileBytes(system("Текстура_пол.png")));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1_потолок.png")),
             ReadFileBytes(system("Текстура_потолок.png")));
    QCOMPARE(ReadFileBytes(RecentProjectsPath(m_editor->install.installFolder())),
             crlfLines({JoinPath(folder, "Игра.fps")}));

    TreeList standard;
    standard.load(system("Стандартный список объектов.txt"));
    QCOMPARE(m_editor->objectTree.lines(), standard.lines());
    QCOMPARE(m_editor->mapList.lines(), QStringList({"Карта1"}));
    QCOMPARE(m_editor->mapList.selected(), 1);
}

void TestProjectLifecycle::newProjectOverExistingProject()
{
    const QString folder = newProject("Проект");
    placeWall(QPoint(64, 32));
    SaveProject(m_editor->context);
    m_editor->mapList.addSibling(0, "Второй");
    SaveProject(m_editor->context);
    WriteFileBytes(JoinPath(folder, "Ресурсы/Меню/Фон.png"), "my background");
    WriteFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1_пол.png"), "my floor");
    AuthorData author;
    author[0] = "Автор";
    WriteAuthorData(folder, author);
    const QByteArray settings = ReadFileBytes(JoinPath(folder, "Игра.fps"));
    const QByteArray objects = ReadFileBytes(JoinPath(folder, "Ресурсы/Объекты.list"));
    const QByteArray map = ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1.map_.txt"));
    QVERIFY(objects.contains(EncodeCp1251("\t[Стена]Кирпич\r\n")));
    QVERIFY(map != kEmptyMap);

    newProject("Проект");

    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Меню/Фон.png")), QByteArray("my background"));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Игра.fps")), settings);
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Объекты.list")), objects);
    QVERIFY(m_editor->objectTree.findText("[Стена]Кирпич") > 0);
    // The map list starts again with the first map only; that map's file is loaded and saved back.
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты.list")), crlfLines({"Карта1"}));
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1.map_.txt")), map);
    QCOMPARE(ReadFileBytes(JoinPath(folder, "Ресурсы/Карты/Карта1_пол.png")), ReadFileBytes(system("Текстура_пол.png")));
    QCOMPARE(ReadFileBytes(RecentProjectsPath(m_editor->install.installFolder())),
             crlfLines({JoinPath(folder, "Игра.fps")}));
}

void TestProjectLifecycle::loseScreenFallsBackToWinScreen()
{
    QVERIFY(ReadFileBytes(system("Вы_проиграли.png")) != ReadFileBytes(system("Игра_пройдена.png")));
    const QString first = newProject("С экраном");
    QCOMPARE(ReadFileBytes(JoinPath(first, "Ресурсы/Меню/Вы_проиграли.png")), ReadFileBytes(system("Вы_проиграли.png")));

    QVERIFY(QFile::remove(system("Вы_проиграли.png")));
    const QString second = newProject("Без экрана");
    QCOMPARE(ReadFileBytes(JoinPath(second, "Ресурсы/Меню/Вы_проиграли.png")),
             ReadFileBytes(system("Игра_пройдена.png")));
}

void TestProjectLifecycle::cancelledNewProjectKeepsEverything()
{
    newProject("Проект");
    placeWall(QPoint(32, 32));
    const EditorSnapshot before(*m_editor);
    m_editor->dialogs.asked.clear();
    m_editor->dialogs.yesNoAnswers.push_back(false);
    m_editor->dialogs.fileAnswers.push_back(QString());
    QVERIFY(!NewProject(m_editor->context));
    QCOMPARE(m_editor->dialogs.asked, QStringList({"yesno:Сохранить изменения проекта?", "save:"}));
    const EditorSnapshot after(*m_editor);
    QCOMPARE(after.project.projectFolder, before.project.projectFolder);
    QCOMPARE(after.project.currentMap, before.project.currentMap);
    QVERIFY(after.project.mapModified);
    QCOMPARE(after.placed, before.placed);
    QCOMPARE(after.objects, before.objects);
}

void TestProjectLifecycle::replacingDropsUnsavedMap_data()
{
    QTest::addColumn<bool>("byOpening");
    QTest::newRow("new project") << false;
    QTest::newRow("open project") << true;
}

void TestProjectLifecycle::replacingDropsUnsavedMap()
{
    QFETCH(bool, byOpening);

    // Project B, whose first map has the same name as A's.
    const QString b = newProject("Б");
    placeWall(QPoint(96, 96));
    SaveProject(m_editor->context);
    if (byOpening)
        QVERIFY(QFile::remove(MapFilePath(b, "Карта1")));

    // Project A with unsaved changes on a larger canvas.
    const QString a = newProject("А");
    m_editor->map.setCanvasSize(QSize(4000, 3000));
    placeWall(QPoint(64, 32));
    placeWall(QPoint(128, 32));

    m_editor->dialogs.asked.clear();
    m_editor->dialogs.yesNoAnswers.push_back(false);
    if (byOpening) {
        QVERIFY(OpenProjectFile(m_editor->context, JoinPath(b, "Игра.fps")));
    } else {
        QVERIFY(QDir(b).removeRecursively());
        m_editor->dialogs.fileAnswers.push_back(b);
        m_editor->dialogs.inputAnswers.push_back("Карта1");
        QVERIFY(NewProject(m_editor->context));
    }
    // Only the project question: the map's changes are not offered again for the new project.
    QCOMPARE(m_editor->dialogs.asked.count(QStringLiteral("yesno:Сохранить изменения проекта?")), 1);
    QVERIFY(!m_editor->dialogs.asked.contains(QStringLiteral("yesno:Сохранить изменения карты?")));
    QVERIFY(!m_editor->dialogs.hasUnscripted());

    QCOMPARE(ReadFileBytes(MapFilePath(a, "Карта1")), kEmptyMap);
    if (byOpening) {
        QVERIFY(!QFile::exists(MapFilePath(b, "Карта1")));
        QVERIFY(m_editor->map.isEmpty());
    } else {
        QCOMPARE(ReadFileBytes(MapFilePath(b, "Карта1")), kEmptyMap);
    }
    QCOMPARE(m_editor->map.canvasSize(), QSize(2000, 2000));
}

void TestProjectLifecycle::replacedProjectSavedIntoItsOwnFolder()
{
    const QString b = newProject("Б");
    const QString a = newProject("А");
    placeWall(QPoint(64, 32));
    m_editor->dialogs.yesNoAnswers.push_back(true);
    QVERIFY(OpenProjectFile(m_editor->context, JoinPath(b, "Игра.fps")));
    QCOMPARE(ReadFileBytes(MapFilePath(a, "Карта1")),
             QByteArray("2000\r\n2000\r\n0\r\n").append(EncodeCp1251("[Стена]Кирпич 64 32\r\n")));
    QVERIFY(ReadFileBytes(ObjectListPath(a)).contains(EncodeCp1251("\t[Стена]Кирпич\r\n")));
    QCOMPARE(ReadFileBytes(MapFilePath(b, "Карта1")), kEmptyMap);
    QCOMPARE(m_editor->objectTree.findText("[Стена]Кирпич"), 0);
}

void TestProjectLifecycle::opensProject()
{
    const QString folder = newProject("Игра на диске", "Уровень");
    placeWall(QPoint(32, 64));
    m_editor->mapList.addSibling(0, "Второй");
    SaveProject(m_editor->context);
    const QStringList objects = m_editor->objectTree.lines();
    newProject("Другой");

    m_editor->dialogs.asked.clear();
    m_editor->dialogs.yesNoAnswers.push_back(false);
    m_editor->dialogs.fileAnswers.push_back(JoinPath(folder, "Игра.fps"));
    QVERIFY(OpenProjectFile(m_editor->context, QString()));

    QCOMPARE(m_editor->dialogs.asked,
             QStringList({"yesno:Сохранить изменения проекта?", "open:Файлы проекта|*.fps"}));
    QCOMPARE(m_editor->project.projectFolder, folder + "/");
    QCOMPARE(m_editor->project.gameName, QString("Игра"));
    QCOMPARE(m_editor->project.currentMap, QString("Уровень"));
    QVERIFY(!m_editor->project.mapModified);
    QCOMPARE(m_editor->objectTree.lines(), objects);
    QCOMPARE(m_editor->mapList.lines(), QStringList({"Уровень", "Второй"}));
    QCOMPARE(m_editor->mapList.selected(), 1);
    QCOMPARE(m_editor->map.count(), 1);
    QCOMPARE(m_editor->map.entry(0).tag, QString("[Стена]Кирпич"));
    QCOMPARE(m_editor->map.entry(0).position, QPoint(32, 64));
    QCOMPARE(WindowTitle(m_editor->project), QString("Vornik FPS v 1.1 - Игра"));

    // Opened again, by its recent entry: still one entry for it.
    m_editor->dialogs.yesNoAnswers.push_back(false);
    QVERIFY(OpenProjectFile(m_editor->context, JoinPath(folder, "Игра.fps")));
    QCOMPARE(ReadFileBytes(RecentProjectsPath(m_editor->install.installFolder())),
             crlfLines({JoinPath(folder, "Игра.fps"), JoinPath(m_editor->install.projectPath("Другой"), "Игра.fps")}));
}

void TestProjectLifecycle::opensProjectWithoutMaps()
{
    const QString empty = newProject("Пустой");
    WriteFileBytes(MapListPath(empty), QByteArray());
    QVERIFY(QFile::remove(MapFilePath(empty, "Карта1")));
    newProject("Полный");
    placeWall(QPoint(0, 0));

    m_editor->dialogs.yesNoAnswers.push_back(false);
    // Any file of the folder opens it.
    QVERIFY(OpenProjectFile(m_editor->context, JoinPath(empty, "другой.fps")));
    QCOMPARE(m_editor->project.projectFolder, empty + "/");
    QVERIFY(m_editor->project.currentMap.isEmpty());
    QVERIFY(m_editor->mapList.isEmpty());
    QVERIFY(m_editor->map.isEmpty());
    SaveProject(m_editor->context);
    QCOMPARE(filesUnder(MapsFolderPath(empty)), QStringList({"Карта1_пол.png", "Карта1_потолок.png"}));
}

void TestProjectLifecycle::openingWithoutListsChangesNothing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("error");

    QTest::newRow("no map list") << "Карты.list" << QByteArray() << "Cannot open file";
    QTest::newRow("no object list") << "Объекты.list" << QByteArray() << "Cannot open file";
    QTest::newRow("broken object list") << "Объекты.list" << QByteArray("A\r\n\t\tB\r\n") << "File load error";
}

void TestProjectLifecycle::openingWithoutListsChangesNothing()
{
    QFETCH(QString, list);
    QFETCH(QByteArray, content);
    QFETCH(QString, error);

    const QString broken = newProject("Сломанный");
    const QString listPath = ResourcesPath(broken, list);
    QVERIFY(QFile::remove(listPath));
    if (!content.isEmpty())
        WriteFileBytes(listPath, content);
    newProject("Рабочий");
    placeWall(QPoint(32, 32));
    const EditorSnapshot before(*m_editor);

    m_editor->dialogs.yesNoAnswers.push_back(false);
    const QString message = ErrorOf([&] { OpenProjectFile(m_editor->context, JoinPath(broken, "Игра.fps")); });
    QVERIFY2(message.startsWith(error), qPrintable(message));

    const EditorSnapshot after(*m_editor);
    QCOMPARE(after.project.projectFolder, before.project.projectFolder);
    QCOMPARE(after.project.currentMap, before.project.currentMap);
    QCOMPARE(after.project.mapModified, before.project.mapModified);
    QCOMPARE(after.project.currentObjectName, before.project.currentObjectName);
    QCOMPARE(after.objects, before.objects);
    QCOMPARE(after.maps, before.maps);
    QCOMPARE(after.placed, before.placed);
    QCOMPARE(after.title, before.title);
}

void TestProjectLifecycle::cancelledOpenDialog()
{
    m_editor->dialogs.fileAnswers.push_back(QString());
    QVERIFY(!OpenProjectFile(m_editor->context, QString()));
    QCOMPARE(m_editor->dialogs.asked, QStringList({"open:Файлы проекта|*.fps"}));
    QVERIFY(!m_editor->project.isOpen());
    QVERIFY(!QFile::exists(RecentProjectsPath(m_editor->install.installFolder())));
}

void TestProjectLifecycle::saveProjectSavesSelectedMap()
{
    const QString folder = newProject("Проект");
    placeWall(QPoint(64, 32));
    m_editor->mapList.addSibling(0, "Второй");
    // The selected entry is saved, whatever the current map is.
    m_editor->mapList.setSelected(2);
    SaveProject(m_editor->context);
    const QByteArray withWall = QByteArray("2000\r\n2000\r\n0\r\n").append(EncodeCp1251("[Стена]Кирпич 64 32\r\n"));
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Второй")), withWall);
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Карта1")), kEmptyMap);
    QVERIFY(!m_editor->project.mapModified);
    QCOMPARE(ReadFileBytes(MapListPath(folder)), crlfLines({"Карта1", "Второй"}));
    QVERIFY(ReadFileBytes(ObjectListPath(folder)).contains(EncodeCp1251("Стены\r\n\t[Стена]Кирпич\r\n")));

    // The project question saves the current map instead.
    placeWall(QPoint(96, 32));
    m_editor->dialogs.yesNoAnswers.push_back(true);
    OfferToSaveProject(m_editor->context);
    QCOMPARE(ReadFileBytes(MapFilePath(folder, "Карта1")),
             QByteArray("2000\r\n2000\r\n1\r\n").append(EncodeCp1251("[Стена]Кирпич 64 32\r\n[Стена]Кирпич 96 32\r\n")));
    QVERIFY(!m_editor->project.mapModified);
}

void TestProjectLifecycle::saveProjectWithoutMapsOrProject()
{
    SaveProject(m_editor->context);
    OfferToSaveProject(m_editor->context);
    QVERIFY(m_editor->dialogs.asked.isEmpty());

    const QString folder = newProject("Проект");
    m_editor->mapList.clear();
    placeWall(QPoint(0, 0));
    QVERIFY(QFile::remove(MapFilePath(folder, "Карта1")));
    SaveProject(m_editor->context);
    QCOMPARE(ReadFileBytes(MapListPath(folder)), QByteArray());
    QVERIFY(!QFile::exists(MapFilePath(folder, "Карта1")));
}

void TestProjectLifecycle::leaveProgram_data()
{
    QTest::addColumn<bool>("projectOpen");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<bool>("saved");

    QTest::newRow("no project, yes") << false << QList<bool>{true} << true << false;
    QTest::newRow("no project, no") << false << QList<bool>{false} << false << false;
    QTest::newRow("stay") << true << QList<bool>{false} << false << false;
    QTest::newRow("leave and save") << true << QList<bool>{true, true} << true << true;
    QTest::newRow("leave unsaved") << true << QList<bool>{true, false} << true << false;
}

void TestProjectLifecycle::leaveProgram()
{
    QFETCH(bool, projectOpen);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, mayEnd);
    QFETCH(bool, saved);

    QString folder;
    if (projectOpen) {
        folder = newProject("Проект");
        placeWall(QPoint(64, 32));
    }
    m_editor->dialogs.asked.clear();
    m_editor->dialogs.yesNoAnswers.assign(answers.begin(), answers.end());
    QCOMPARE(ConfirmLeaveProgram(m_editor->context), mayEnd);

    QStringList expected = {"yesno:Закрыть конструктор?"};
    if (answers.size() > 1)
        expected << "yesno:Сохранить изменения проекта?";
    QCOMPARE(m_editor->dialogs.asked, expected);
    if (projectOpen)
        QCOMPARE(ReadFileBytes(MapFilePath(folder, "Карта1")) != kEmptyMap, saved);
}

void TestProjectLifecycle::titleOfNoProject()
{
    QCOMPARE(WindowTitle(m_editor->project), QString("Vornik FPS v 1.1 - Проект не открыт..."));
}

QTEST_MAIN(TestProjectLifecycle)
#include "tst_project_lifecycle.moc"
