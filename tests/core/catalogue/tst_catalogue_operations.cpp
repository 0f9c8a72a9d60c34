#include "core/catalogue/catalogue_operations.h"
#include "core/catalogue/kinds.h"
#include "core/map/canvas_controller.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"
#include "core/treelist/tree_list.h"
#include "support/error_of.h"
#include "support/test_editor.h"

#include <QDir>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

// "file in the object folder=template it must equal", for every file a new object receives.
QStringList commonFiles(const QString &kind)
{
    return {"Иконка.bmp=" + kind + ".bmp", "Маска.bmp=Маска_" + kind + ".bmp", "Блокнот.txt=Блокнот.txt",
            "Настройка.ini=Настройка_" + kind + ".ini"};
}

QStringList playerFiles()
{
    QStringList files = commonFiles("Игрок");
    files << "Иконка броня.bmp=Иконка_Броня.bmp"
          << "Иконка здоровье.bmp=Иконка_Здоровье.bmp"
          << "Иконка доступ.bmp=Иконка_Карта доступа.bmp"
          << "Иконка патроны.bmp=Иконка_Патроны.bmp"
          << "Иконка прицел.bmp=Иконка_Прицел.bmp"
          << "Урон.png=Урон.png";
    for (int weapon = 1; weapon <= 9; ++weapon) {
        for (int picture = 1; picture <= 2; ++picture) {
            const QString name = QStringLiteral("Оружие_%1_%2.png").arg(weapon).arg(picture);
            files << name + "=" + name;
        }
    }
    return files;
}

} // namespace

class TestCatalogueOperations : public QObject {
    Q_OBJECT

private slots:
    void init();

    void addsUnderCategory_data();
    void addsUnderCategory();
    void addsAtEndOfSelectedObjectsCategory();
    void defaultNameAndEmptyAnswer();
    void refusesNames_data();
    void refusesNames();
    void refusesLineOfNoCategory();
    void addNeedsOpenProject();

    void deleteKeepsFolderAndReaddRefillsIt();
    void deleteAsksAndClicksNextLine();
    void deleteIgnoresCategories();

    void clickArmsOrReleases();
    void openProperties_data();
    void openProperties();
    void openPropertiesOfCategory();

private:
    QString objectFile(const QString &name, const QString &file) const
    {
        return JoinPath(ObjectFolderPath(m_editor->project.projectFolder, name), file);
    }
    int category(const QString &text) const { return m_editor->objectTree.findText(text); }
    void addUnder(const QString &categoryText, const QString &answer);

    std::unique_ptr<test::TestEditor> m_editor;
};

void TestCatalogueOperations::init()
{
    m_editor = std::make_unique<test::TestEditor>();
    QVERIFY(m_editor->install.isValid());
    m_editor->openBareProject();
}

void TestCatalogueOperations::addUnder(const QString &categoryText, const QString &answer)
{
    m_editor->objectTree.setSelected(category(categoryText));
    m_editor->dialogs.inputAnswers.push_back(answer);
    AddObject(m_editor->context);
}

void TestCatalogueOperations::addsUnderCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("files");

    const auto withTexture = [](const QString &kind, const QString &texture) {
        return commonFiles(kind) << "Текстура.png=" + texture;
    };
    QTest::newRow("player") << "Игроки" << "[Игрок]Новый" << playerFiles();
    QTest::newRow("health") << "Аптечки" << "[Аптечка]Новый" << withTexture("Аптечка", "Текстура_аптечка.png");
    QTest::newRow("access card") << "Карты доступа" << "[Доступ]Новый"
                                 << withTexture("Доступ", "Текстура_карта_доступа.png");
    QTest::newRow("weapon") << "Оружие" << "[Оружие]Новый" << withTexture("Оружие", "Текстура_оружие.png");
    QTest::newRow("ammo") << "Патроны" << "[Патрон]Новый" << withTexture("Патрон", "Текстура_патроны.png");
    QTest::newRow("armour") << "Броня" << "[Броня]Новый" << withTexture("Броня", "Текстура_броня.png");
    QTest::newRow("enemy") << "Враги" << "[Враг]Новый"
                           << (commonFiles("Враг") << "Текстура1.gif=Текстура_враг_1.gif"
                                                   << "Текстура2.gif=Текстура_враг_2.gif");
    QTest::newRow("wall") << "Стены" << "[Стена]Новый" << withTexture("Стена", "Текстура_стена.png");
    QTest::newRow("door") << "Двери" << "[Дверь]Новый" << withTexture("Дверь", "Текстура_дверь.png");
    QTest::newRow("light") << "Освещение" << "[Свет]Новый" << commonFiles("Свет");
    QTest::newRow("zone") << "Зоны" << "[Зона]Новый" << commonFiles("Зона");
    QTest::newRow("video") << "Видео" << "[Видео]Новый" << commonFiles("Видео");
    QTest::newRow("audio") << "Аудио" << "[Аудио]Новый" << commonFiles("Аудио");
}

void TestCatalogueOperations::addsUnderCategory()
{
    QFETCH(QString, category);
    QFETCH(QString, tag);
    QFETCH(QStringList, files);

    // A file left in the folder from earlier is replaced by the template.
    QVERIFY(QDir().mkpath(ObjectFolderPath(m_editor->project.projectFolder, "Новый")));
    WriteFileBytes(objectFile("Новый", "Иконка.bmp"), "old icon");

    const int categoryItem = this->category(category);
    addUnder(category, "Новый");

    QCOMPARE(m_editor->dialogs.asked, QStringList({"input:Добавление объекта|Введите имя:|Объект13"}));
    QCOMPARE(m_editor->objectTree.count(), 14);
    QCOMPARE(m_editor->objectTree.text(categoryItem + 1), tag);
    QCOMPARE(m_editor->objectTree.depth(categoryItem + 1), 1);
    QCOMPARE(m_editor->objectTree.selected(), categoryItem);

    QStringList expectedNames;
    for (const QString &file : files) {
        const QString target = file.section('=', 0, 0);
        const QString source = file.section('=', 1);
        expectedNames << target;
        QCOMPARE(ReadFileBytes(objectFile("Новый", target)), ReadFileBytes(m_editor->install.systemFile(source)));
    }
    expectedNames.sort();
    QStringList present = QDir(ObjectFolderPath(m_editor->project.projectFolder, "Новый")).entryList(QDir::Files);
    present.sort();
    QCOMPARE(present, expectedNames);
}

void TestCatalogueOperations::addsAtEndOfSelectedObjectsCategory()
{
    addUnder("Стены", "Кирпич");
    addUnder("Стены", "Красная стена");
    addUnder("Двери", "Ворота");
    const int first = m_editor->objectTree.findText("[Стена]Кирпич");
    m_editor->objectTree.setSelected(first);
    m_editor->dialogs.inputAnswers.push_back("Камень");
    AddObject(m_editor->context);

    const QStringList lines = m_editor->objectTree.lines();
    const qsizetype walls = lines.indexOf("Стены");
    QCOMPARE(lines.mid(walls, 5),
             QStringList({"Стены", "\t[Стена]Кирпич", "\t[Стена]Краснаястена", "\t[Стена]Камень", "Двери"}));
    QCOMPARE(lines.at(walls + 5), QString("\t[Дверь]Ворота"));
    QCOMPARE(m_editor->objectTree.selected(), first);
    QVERIFY(QFile::exists(objectFile("Краснаястена", "Текстура.png")));
    QVERIFY(QFile::exists(objectFile("Камень", "Текстура.png")));
}

void TestCatalogueOperations::defaultNameAndEmptyAnswer()
{
    // Cancel answers with the default text, which is then the name.
    addUnder("Зоны", "Объект13");
    QVERIFY(m_editor->objectTree.findText("[Зона]Объект13") > 0);
    addUnder("Зоны", "");
    QCOMPARE(m_editor->dialogs.asked.last(), QString("input:Добавление объекта|Введите имя:|Объект14"));
    QCOMPARE(m_editor->objectTree.count(), 14);
    QCOMPARE(QDir(ObjectsFolderPath(m_editor->project.projectFolder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"Объект13"}));
}

void TestCatalogueOperations::refusesNames_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");

    QTest::newRow("same name and kind") << "Кирпич" << "Объект не добавлен: имя «Кирпич» уже занято объектом [Стена]Кирпич.";
    QTest::newRow("other case, after cleaning")
        << " кир пич" << "Объект не добавлен: имя «кирпич» уже занято объектом [Стена]Кирпич.";
    QTest::newRow("only removed characters")
        << " \\ / \t" << "Объект не добавлен: имя пустое (пробелы, «\\» и «/» из имени убираются).";
    QTest::newRow("dot") << "." << "Объект не добавлен: имя «.» нельзя дать папке объекта.";
    QTest::newRow("dot dot") << " .. " << "Объект не добавлен: имя «..» нельзя дать папке объекта.";
    QTest::newRow("outside Windows-1251")
        << "Знак✓" << "Объект не добавлен: имя «Знак✓» нельзя сохранить. "
                      "Символ «✓» (U+2713) нельзя записать в кодировке Windows-1251.";
}

void TestCatalogueOperations::refusesNames()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);

    addUnder("Стены", "Кирпич");
    WriteFileBytes(objectFile("Кирпич", "Блокнот.txt"), "my notes");
    const QStringList before = m_editor->objectTree.lines();

    // Under another kind, so that only the name can clash.
    m_editor->objectTree.setSelected(category("Двери"));
    m_editor->dialogs.inputAnswers.push_back(answer);
    QCOMPARE(ErrorOf([&] { AddObject(m_editor->context); }), message);

    QCOMPARE(m_editor->objectTree.lines(), before);
    QCOMPARE(ReadFileBytes(objectFile("Кирпич", "Блокнот.txt")), QByteArray("my notes"));
    QCOMPARE(QDir(ObjectsFolderPath(m_editor->project.projectFolder)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"Кирпич"}));
}

void TestCatalogueOperations::refusesLineOfNoCategory()
{
    TreeList &tree = m_editor->objectTree;
    tree.setSelected(tree.addSibling(0, "Разное"));
    QCOMPARE(ErrorOf([&] { AddObject(m_editor->context); }),
             QString("Объект не добавлен: строка «Разное» не относится ни к одной категории объектов."));
    QCOMPARE(tree.count(), 14);
    QVERIFY(m_editor->dialogs.asked.isEmpty());
}

void TestCatalogueOperations::addNeedsOpenProject()
{
    m_editor->project.projectFolder.clear();
    addUnder("Стены", "Кирпич");
    QVERIFY(m_editor->dialogs.asked.isEmpty());
    QCOMPARE(m_editor->objectTree.count(), 13);
}

void TestCatalogueOperations::deleteKeepsFolderAndReaddRefillsIt()
{
    addUnder("Стены", "Кирпич");
    WriteFileBytes(objectFile("Кирпич", "Блокнот.txt"), "my notes");
    m_editor->objectTree.setSelected(m_editor->objectTree.findText("[Стена]Кирпич"));
    m_editor->dialogs.yesNoAnswers.push_back(true);
    DeleteObject(m_editor->context);

    QCOMPARE(m_editor->dialogs.asked.last(), QString("yesno:Удалить объект: [Стена]Кирпич ?"));
    QCOMPARE(m_editor->objectTree.findText("[Стена]Кирпич"), 0);
    QCOMPARE(ReadFileBytes(objectFile("Кирпич", "Блокнот.txt")), QByteArray("my notes"));

    addUnder("Стены", "Кирпич");
    QCOMPARE(ReadFileBytes(objectFile("Кирпич", "Блокнот.txt")),
             ReadFileBytes(m_editor->install.systemFile("Блокнот.txt")));
}

void TestCatalogueOperations::deleteAsksAndClicksNextLine()
{
    addUnder("Стены", "А");
    addUnder("Стены", "Б");
    TreeList &tree = m_editor->objectTree;
    CanvasController &canvas = m_editor->canvas;

    tree.setSelected(tree.findText("[Стена]А"));
    m_editor->dialogs.yesNoAnswers.push_back(false);
    DeleteObject(m_editor->context);
    QCOMPARE(tree.count(), 15);

    // The line that moves up into the selected row is an object line: placement is armed.
    canvas.setArmed(false);
    m_editor->dialogs.yesNoAnswers.push_back(true);
    DeleteObject(m_editor->context);
    QCOMPARE(tree.text(tree.selected()), QString("[Стена]Б"));
    QVERIFY(canvas.armed());

    // Now a category moves up; the click on it arms nothing.
    canvas.setArmed(false);
    m_editor->dialogs.yesNoAnswers.push_back(true);
    DeleteObject(m_editor->context);
    QCOMPARE(tree.text(tree.selected()), QString("Двери"));
    QVERIFY(!canvas.armed());
    QCOMPARE(tree.count(), 13);
}

void TestCatalogueOperations::deleteIgnoresCategories()
{
    m_editor->objectTree.setSelected(category("Стены"));
    DeleteObject(m_editor->context);
    QVERIFY(m_editor->dialogs.asked.isEmpty());
    QCOMPARE(m_editor->objectTree.count(), 13);
}

void TestCatalogueOperations::clickArmsOrReleases()
{
    const int wall = m_editor->addObject("Стена", "Кирпич");
    TreeList &tree = m_editor->objectTree;
    CanvasController &canvas = m_editor->canvas;

    tree.setSelected(wall);
    ClickObjectTreeLine(m_editor->context);
    QVERIFY(canvas.armed());
    canvas.pressOnCanvas(m_editor->context, Qt::LeftButton, CanvasPointer{QPoint(95, 40)});
    QCOMPARE(canvas.heldObject(), 0);
    QCOMPARE(m_editor->map.entry(0).position, QPoint(64, 32));

    tree.setSelected(category("Стены"));
    ClickObjectTreeLine(m_editor->context);
    QCOMPARE(canvas.heldObject(), CanvasController::kNoObject);
    QVERIFY(!canvas.armed());
}

void TestCatalogueOperations::openProperties_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("title");

    QTest::newRow("wall") << "Стена" << "TP_Wall" << "Настройка стены: Кирпич";
    QTest::newRow("access card") << "Доступ" << "TP_Karta" << "Настройка карты доступа: Кирпич";
    QTest::newRow("player") << "Игрок" << "TP_Player" << "Настройка игрока: Кирпич";
}

void TestCatalogueOperations::openProperties()
{
    QFETCH(QString, kind);
    QFETCH(QString, editor);
    QFETCH(QString, title);

    const int line = m_editor->addObject(kind, "Кирпич");
    m_editor->objectTree.setSelected(line);
    m_editor->project.currentObjectName = "Другой";
    m_editor->project.currentObjectKind = "Враг";
    ClickObjectTreeLine(m_editor->context);
    m_editor->canvas.pressOnCanvas(m_editor->context, Qt::LeftButton, CanvasPointer{QPoint(10, 10)});
    m_editor->project.currentObjectKind = "Враг";
    QVERIFY(m_editor->canvas.heldObject() != CanvasController::kNoObject);

    const PropertiesRequest request = OpenProperties(m_editor->context);
    QVERIFY(request.kind);
    QCOMPARE(request.kind->editorClass, editor);
    QCOMPARE(request.title, title);
    QCOMPARE(m_editor->project.currentObjectName, QString("Кирпич"));
    QCOMPARE(m_editor->project.currentObjectKind, QString("Враг"));
    QCOMPARE(m_editor->canvas.heldObject(), CanvasController::kNoObject);
}

void TestCatalogueOperations::openPropertiesOfCategory()
{
    m_editor->project.currentObjectName = "Другой";
    m_editor->objectTree.setSelected(category("Стены"));
    const PropertiesRequest request = OpenProperties(m_editor->context);
    QVERIFY(!request.kind);
    QVERIFY(request.title.isEmpty());
    QCOMPARE(m_editor->project.currentObjectName, QString("Другой"));
}

QTEST_MAIN(TestCatalogueOperations)
#include "tst_catalogue_operations.moc"
