#include "support/fakes.h"
#include "support/temp_install.h"
#include "ui/tmap_editor.h"
#include "ui/tree_list_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <QAction>
#include <QtTest>

using namespace vornik;
using namespace vornik::test;

// The main window with scripted dialogs and a record of which windows its commands showed.
struct MainWindowFixture {
    MainWindowFixture()
        : window(install.installFolder(), dialogs, progress, shell)
    {
        auto record = [this](const QString &name) { return [this, name] { shown << name; }; };
        TMap_Editor::Windows &windows = window.windows();
        windows.showStartWindow = record("start");
        windows.showOptions = record("options");
        windows.showExport = record("export");
        windows.showCredits = record("credits");
        windows.showMapProperties = record("map properties");
        windows.showMenuEditor = record("menu editor");
        windows.showWinScreen = record("win screen");
        windows.showLoseScreen = record("lose screen");
    }

    TempInstall install;
    FakeDialogs dialogs;
    FakeProgress progress;
    FakeShell shell;
    TMap_Editor window;
    QStringList shown;
};

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsWithoutProject();
    void commandsWithoutProject_data();
    void commandsWithoutProject();
    void contextMenus();
};

void TestMainWindow::startsWithoutProject()
{
    MainWindowFixture fixture;
    QCOMPARE(fixture.window.windowTitle(), QString("Vornik FPS v 1.1 - Проект не открыт..."));
    QVERIFY(!fixture.window.isEnabled());
    QCOMPARE(fixture.window.objectTreeView()->topLevelItemCount(), 13);
    QCOMPARE(fixture.window.objectTreeView()->topLevelItem(2)->text(0), QString("Карты доступа"));
    QCOMPARE(fixture.window.gridWidthField()->text(), QString("32"));
    QCOMPARE(fixture.window.gridHeightField()->text(), QString("32"));
    QVERIFY(!fixture.window.autoGridBox()->isChecked());
    QVERIFY(fixture.window.deleteOnOverlapBox()->isChecked());
    QStringList labels;
    for (const QLabel *label : fixture.window.cursorLabels())
        labels << label->text();
    QCOMPARE(labels, QStringList({"Курсор Х:", "Курсор У:", "Сетка Х:", "Сетка У:"}));
}

void TestMainWindow::commandsWithoutProject_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("item");
    // What the command did with no project open: dialogs asked, windows shown, shell calls.
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("addresses");

    const QStringList none;
    QTest::newRow("new project") << "Файл" << "Новый проект" << QStringList{"save:"} << none << none;
    QTest::newRow("open project") << "Файл" << "Открыть проект" << none << QStringList{"start"} << none;
    QTest::newRow("save project") << "Файл" << "Сохранить проект" << none << none << none;
    QTest::newRow("export") << "Файл" << "Создать ЕХЕ" << none << none << none;
    QTest::newRow("leave") << "Файл" << "Выход" << QStringList{"yesno:Закрыть конструктор?"} << none << none;
    QTest::newRow("game test") << "Игра" << "Тест игры" << none << none << none;
    QTest::newRow("options") << "Игра" << "Свойства" << none << none << none;
    QTest::newRow("menu editor") << "Игра" << "Редактировать меню" << none << none << none;
    QTest::newRow("win screen") << "Игра" << "Окно \"Игра пройдена\"" << none << none << none;
    QTest::newRow("lose screen") << "Игра" << "Окно \"Вы проиграли\"" << none << none << none;
    QTest::newRow("map test") << "Карта" << "Тест карты" << none << none << none;
    QTest::newRow("new map") << "Карта" << "Новая карта" << none << none << none;
    QTest::newRow("delete map") << "Карта" << "Удалть карту" << none << none << none;
    QTest::newRow("map up") << "Карта" << "Переместить Вверх" << none << none << none;
    QTest::newRow("map down") << "Карта" << "Переместить Вниз" << none << none << none;
    QTest::newRow("rename map, empty list") << "Карта" << "Переименовать" << none << none << none;
    QTest::newRow("map properties") << "Карта" << "Свойства карты" << none << none << none;
    QTest::newRow("clear map") << "Карта" << "Очистить карту" << none << none << none;
    QTest::newRow("site") << "Конструктор" << "Сайт проекта" << none << none
                          << QStringList{"https://vornik-fps.example/"};
    QTest::newRow("forum") << "Конструктор" << "Форум конструктора" << none << none
                           << QStringList{"https://vornik-fps.example/forum/"};
    QTest::newRow("credits") << "Конструктор" << "Разработчики" << none << QStringList{"credits"} << none;
    QTest::newRow("help") << "Конструктор" << "Справка"
                          << QStringList{"message:Пока в разработке.... Трясите разрабортчиков справки... :)"} << none
                          << none;
}

void TestMainWindow::commandsWithoutProject()
{
    QFETCH(QString, menu);
    QFETCH(QString, item);
    QFETCH(QStringList, asked);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, addresses);

    MainWindowFixture fixture;
    fixture.dialogs.fileAnswers.push_back(QString());   // cancels a new project's folder choice
    fixture.dialogs.yesNoAnswers.push_back(false);      // keeps the window open
    QAction *action = fixture.window.menuAction(menu, item);
    QVERIFY2(action != nullptr, qPrintable(item));
    action->trigger();

    QCOMPARE(fixture.dialogs.asked, asked);
    QCOMPARE(fixture.shown, shown);
    QCOMPARE(fixture.shell.openedAddresses, addresses);
    QVERIFY(fixture.shell.started.empty());
    const QStringList clearing = {"text:Очистка карты...", "show", "hide"};
    QCOMPARE(fixture.progress.calls, item == "Очистить карту" ? clearing : QStringList());
}

void TestMainWindow::contextMenus()
{
    MainWindowFixture fixture;
    QStringList mapItems;
    for (const QAction *action : fixture.window.mapListMenu()->actions())
        mapItems << (action->isSeparator() ? QString("—") : action->text());
    QCOMPARE(mapItems, QStringList({"Новая", "Удалить", "—", "Вверх", "Вниз", "—", "Переименовать", "Свойства"}));
    QStringList objectItems;
    for (const QAction *action : fixture.window.objectTreeMenu()->actions())
        objectItems << (action->isSeparator() ? QString("—") : action->text());
    QCOMPARE(objectItems, QStringList({"Добавить", "Удалить", "—", "Свойства"}));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
