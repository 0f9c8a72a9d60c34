// The start window "Начало работы" among the program's real windows, driven by clicks.
#include "core/error/messages.h"
#include "core/project/new_project.h"
#include "core/project/paths.h"
#include "core/project/recent_projects.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "support/editor_windows_fixture.h"
#include "support/test_editor.h"
#include "support/ui_driver.h"
#include "ui/tmap_editor.h"
#include "ui/tnw.h"
#include "ui/tree_list_view.h"

#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace vornik;
using namespace vornik::test;

namespace {

const QString kOpenTitle = QStringLiteral("Vornik FPS v 1.1 - Игра");
const QString kNoProjectTitle = QStringLiteral("Vornik FPS v 1.1 - Проект не открыт...");

QStringList rowsOf(const TreeListView *view)
{
    QStringList rows;
    for (int i = 0; i < view->topLevelItemCount(); ++i)
        rows << view->topLevelItem(i)->text(0);
    return rows;
}

} // namespace

// The program's windows, and beside them a second editor that makes real projects on disk.
struct StartWindowFixture : EditorWindowsFixture {
    TMap_Editor &main() const { return windows.mainWindow(); }
    TNW &start() const { return windows.startWindow(); }
    QString recentListFile() const { return RecentProjectsPath(install.installFolder()); }

    // A project made from the templates, with one map; returns its settings file.
    QString makeProject(const QString &name)
    {
        maker.dialogs.fileAnswers.push_back(maker.install.projectPath(name));
        maker.dialogs.inputAnswers.push_back(QStringLiteral("Карта1"));
        if (!NewProject(maker.context))
            return {};
        return ProjectSettingsPath(maker.install.projectPath(name));
    }

    // Writes the recent list and shows the start window again from the main menu.
    bool reshowWithRecent(const QStringList &paths)
    {
        WriteTextLines(recentListFile(), paths);
        start().close();
        return chooseMenuItem(&main(), QStringLiteral("Файл"), QStringLiteral("Открыть проект"))
               && QTest::qWaitForWindowExposed(&start());
    }

    void verifyOpened(const QString &settingsFile) const
    {
        QVERIFY(main().isEnabled());
        QCOMPARE(main().windowTitle(), kOpenTitle);
        QVERIFY(!start().isVisible());
        QCOMPARE(QDir::cleanPath(main().context().project.projectFolder), QDir::cleanPath(DirectoryPart(settingsFile)));
        QCOMPARE(rowsOf(main().mapListView()), QStringList({"Карта1"}));
        QVERIFY(ReadTextLines(recentListFile()).contains(settingsFile));
        QVERIFY(!dialogs.hasUnscripted());
    }

    TestEditor maker;
};

class TestStartWindow : public QObject {
    Q_OBJECT

private slots:
    void shownAtStartOverDisabledMain();
    void shownPrunesRecentList();
    void unreadableRecentList();
    void openProjectButton();
    void openProjectCancelled();
    void newProjectButton();
    void doubleClickOpensEntry();
    void doubleClickOnProjectWithoutLists();
    void removeFromContextMenu();
    void closedWithoutProject();
};

void TestStartWindow::shownAtStartOverDisabledMain()
{
    StartWindowFixture fixture;
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.start()));
    QCOMPARE(fixture.start().windowTitle(), QString("Начало работы"));
    QVERIFY(fixture.start().isEnabled());
    QVERIFY(!fixture.main().isEnabled());
    QCOMPARE(fixture.main().windowTitle(), kNoProjectTitle);
    // Left to right, as the window shows them.
    QVERIFY(fixture.start().openButton()->geometry().right() < fixture.start().newButton()->geometry().left());
}

void TestStartWindow::shownPrunesRecentList()
{
    StartWindowFixture fixture;
    const QString kept = fixture.makeProject("Есть");
    const QString gone = fixture.install.projectPath("Нет") + "/Игра.fps";
    QVERIFY(fixture.reshowWithRecent({gone, kept, gone}));

    QCOMPARE(rowsOf(fixture.start().recentView()), QStringList({kept}));
    QCOMPARE(ReadFileBytes(fixture.recentListFile()), EncodeCp1251(kept + "\r\n"));
}

void TestStartWindow::unreadableRecentList()
{
    StartWindowFixture fixture;
    QVERIFY(fixture.reshowWithRecent({fixture.makeProject("Старая")}));
    QVERIFY(QFile::remove(fixture.recentListFile()));
    fixture.start().close();
    QVERIFY(chooseMenuItem(&fixture.main(), "Файл", "Открыть проект"));

    const QStringList messages = fixture.dialogs.asked.filter("message:");
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("message:" + messages::cannotOpenFile(fixture.recentListFile(), QString())),
             qPrintable(messages[0]));
    QVERIFY(fixture.start().isVisible());
    QCOMPARE(rowsOf(fixture.start().recentView()), QStringList());

    // The next project opened writes the list again.
    const QString folder = fixture.install.projectPath("Новая");
    fixture.dialogs.fileAnswers.push_back(folder);
    fixture.dialogs.inputAnswers.push_back("Карта1");
    QTest::mouseClick(fixture.start().newButton(), Qt::LeftButton);
    QCOMPARE(ReadTextLines(fixture.recentListFile()), QStringList({ProjectSettingsPath(folder)}));
}

void TestStartWindow::openProjectButton()
{
    StartWindowFixture fixture;
    const QString project = fixture.makeProject("Игра один");
    fixture.dialogs.fileAnswers.push_back(project);
    QTest::mouseClick(fixture.start().openButton(), Qt::LeftButton);

    QCOMPARE(fixture.dialogs.asked, QStringList({"open:Файлы проекта|*.fps"}));
    fixture.verifyOpened(project);
    QCOMPARE(ReadTextLines(fixture.recentListFile()), QStringList({project}));
}

void TestStartWindow::openProjectCancelled()
{
    StartWindowFixture fixture;
    fixture.dialogs.fileAnswers.push_back(QString());
    QTest::mouseClick(fixture.start().openButton(), Qt::LeftButton);

    QVERIFY(fixture.start().isVisible());
    QVERIFY(!fixture.main().isEnabled());
    QCOMPARE(fixture.main().windowTitle(), kNoProjectTitle);
}

void TestStartWindow::newProjectButton()
{
    StartWindowFixture fixture;
    const QString folder = fixture.install.projectPath("Новая игра");
    fixture.dialogs.fileAnswers.push_back(folder);
    fixture.dialogs.inputAnswers.push_back("Карта1");
    QTest::mouseClick(fixture.start().newButton(), Qt::LeftButton);

    QCOMPARE(fixture.dialogs.asked.first(), QString("save:"));
    QVERIFY(QFile::exists(MapFilePath(folder, "Карта1")));
    fixture.verifyOpened(ProjectSettingsPath(folder));
    QCOMPARE(ReadTextLines(fixture.recentListFile()), QStringList({ProjectSettingsPath(folder)}));
}

void TestStartWindow::doubleClickOpensEntry()
{
    StartWindowFixture fixture;
    const QString first = fixture.makeProject("Первая");
    const QString second = fixture.makeProject("Вторая");
    QVERIFY(fixture.reshowWithRecent({first, second}));

    QVERIFY(doubleClickRow(fixture.start().recentView(), 2));
    fixture.verifyOpened(second);
    QVERIFY(fixture.dialogs.asked.isEmpty());
    QCOMPARE(ReadTextLines(fixture.recentListFile()), QStringList({first, second}));
}

void TestStartWindow::doubleClickOnProjectWithoutLists()
{
    StartWindowFixture fixture;
    const QString broken = fixture.makeProject("Сломанная");
    QVERIFY(QFile::remove(MapListPath(DirectoryPart(broken))));
    QVERIFY(fixture.reshowWithRecent({broken}));

    QVERIFY(doubleClickRow(fixture.start().recentView(), 1));
    const QStringList messages = fixture.dialogs.asked.filter("message:");
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("message:" + messages::cannotOpenFile(MapListPath(DirectoryPart(broken)), QString())),
             qPrintable(messages[0]));
    QVERIFY(fixture.start().isVisible());
    QCOMPARE(fixture.main().windowTitle(), kNoProjectTitle);
    QCOMPARE(rowsOf(fixture.start().recentView()), QStringList({broken}));
}

void TestStartWindow::removeFromContextMenu()
{
    StartWindowFixture fixture;
    const QString first = fixture.makeProject("Первая");
    const QString second = fixture.makeProject("Вторая");
    QVERIFY(fixture.reshowWithRecent({first, second}));

    TreeListView *recent = fixture.start().recentView();
    QVERIFY(clickRow(recent, 1));
    QMenu *menu = openContextMenu(recent, 1);
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), 1);
    QVERIFY(clickMenuItem(menu, "Удалить"));

    QCOMPARE(ReadTextLines(fixture.recentListFile()), QStringList({second}));
    QCOMPARE(rowsOf(recent), QStringList({second}));
    QVERIFY(fixture.start().isVisible());
    // The project itself stays on disk.
    QVERIFY(QFile::exists(first));
}

void TestStartWindow::closedWithoutProject()
{
    StartWindowFixture fixture;
    fixture.start().close();

    QVERIFY(!fixture.start().isVisible());
    QVERIFY(fixture.main().isEnabled());
    QCOMPARE(fixture.main().windowTitle(), kNoProjectTitle);
    QVERIFY(!fixture.main().context().project.isOpen());
    QVERIFY(fixture.dialogs.asked.isEmpty());
}

QTEST_MAIN(TestStartWindow)
#include "tst_start_window.moc"
