#include "core/error/messages.h"
#include "core/treelist/tree_list.h"
#include "support/error_of.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

// The tree used by the operation tests:
// 1 A, 2 A1, 3 A1a, 4 A2, 5 B, 6 B1.
const QStringList kSampleLines = {"A", "\tA1", "\t\tA1a", "\tA2", "B", "\tB1"};

TreeList treeOfLines(const QStringList &lines)
{
    TreeList tree;
    for (const QString &line : lines)
        tree.addLine(line);
    return tree;
}

QByteArray repeated(qsizetype length)
{
    return QByteArray(length, 'x');
}

QString repeatedText(qsizetype length)
{
    return QString(length, QLatin1Char('x'));
}

} // namespace

class TestTreeList : public QObject {
    Q_OBJECT

private slots:
    void init();

    void readsFiles_data();
    void readsFiles();
    void lineLengthLimit_data();
    void lineLengthLimit();
    void missingFileLeavesTree();

    void savesExactBytes();
    void roundTrip();
    void spaceIndentedFileSavesTabs();
    void emptyListRoundTrip();

    void findsText_data();
    void findsText();

    void operations_data();
    void operations();
    void selectionOfEmptyTree();
    void invalidIndex_data();
    void invalidIndex();

    void addsLines_data();
    void addsLines();

private:
    void addReadRowColumns();
    void checkRead();
    QString writeFile(const QByteArray &bytes);
    QByteArray readFile(const QString &path);

    QTemporaryDir m_dir;
    int m_fileNumber = 0;
};

void TestTreeList::init()
{
    QVERIFY(m_dir.isValid());
}

QString TestTreeList::writeFile(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("list%1.list").arg(++m_fileNumber));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

QByteArray TestTreeList::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void TestTreeList::addReadRowColumns()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");   // lines view after loading, the kept part on an error
    QTest::addColumn<QString>("error");
}

// Loads the file into a tree that already holds other nodes: loading must replace them.
void TestTreeList::checkRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(QString, error);

    TreeList tree = treeOfLines({"old", "\told child"});
    tree.setSelected(2);
    const QString path = writeFile(bytes);
    QCOMPARE(ErrorOf([&] { tree.load(path); }), error);
    QCOMPARE(tree.lines(), lines);
    QCOMPARE(tree.count(), lines.size());
    QCOMPARE(tree.selected(), lines.isEmpty() ? 0 : 1);
}

void TestTreeList::readsFiles_data()
{
    addReadRowColumns();
    const QString loadError = messages::fileLoadError();

    QTest::newRow("tabs give depth, shallower by two")
        << QByteArray("A\r\n\tB\r\n\t\tC\r\nD\r\n") << QStringList{"A", "\tB", "\t\tC", "D"} << QString();
    QTest::newRow("spaces give depth")
        << QByteArray("A\r\n B\r\n  C\r\n") << QStringList{"A", "\tB", "\t\tC"} << QString();
    QTest::newRow("space and tab each one level")
        << QByteArray("A\r\n\tB\r\n \tC\r\n\t D\r\n") << QStringList{"A", "\tB", "\t\tC", "\t\tD"} << QString();
    QTest::newRow("trailing spaces stay")
        << QByteArray("A  \r\n\tB \r\n") << QStringList{"A  ", "\tB "} << QString();
    QTest::newRow("spaces inside stay")
        << QByteArray("A b\tc\r\n") << QStringList{"A b\tc"} << QString();
    QTest::newRow("lone LF is text")
        << QByteArray("A\nB\r\nC\n") << QStringList{"A\nB", "C\n"} << QString();
    QTest::newRow("lone CR ends a line")
        << QByteArray("A\rB\rC") << QStringList{"A", "B", "C"} << QString();
    QTest::newRow("only one LF after CR is skipped")
        << QByteArray("A\r\n\nB\r\n") << QStringList{"A", "\nB"} << QString();
    QTest::newRow("CR CR LF is an empty line")
        << QByteArray("A\r\r\nB") << QStringList{"A", "", "B"} << QString();
    QTest::newRow("last line without line end")
        << QByteArray("A\r\n\tB") << QStringList{"A", "\tB"} << QString();
    QTest::newRow("empty line is depth 0")
        << QByteArray("A\r\n\tB\r\n\r\n\tC\r\n") << QStringList{"A", "\tB", "", "\tC"} << QString();
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""} << QString();
    QTest::newRow("empty file") << QByteArray() << QStringList{} << QString();
    QTest::newRow("end mark inside a line")
        << QByteArray("A\r\nB\x1A" "C\r\nD") << QStringList{"A", "B"} << QString();
    QTest::newRow("end mark at line start")
        << QByteArray("A\r\n\x1A\r\nB") << QStringList{"A"} << QString();
    QTest::newRow("end mark first") << QByteArray("\x1A" "A\r\n") << QStringList{} << QString();
    QTest::newRow("end mark hides bad lines")
        << QByteArray("A\r\n\x1A\t\t\tB") << QStringList{"A"} << QString();
    QTest::newRow("Windows-1251 text")
        << QByteArray("\xC8\xE3\xF0\xEE\xEA\xE8\r\n\t[\xC8\xE3\xF0\xEE\xEA]\xC3\xE5\xF0\xEE\xE9\r\n")
        << QStringList{"Игроки", "\t[Игрок]Герой"} << QString();
    QTest::newRow("first line at depth 1 is a root child")
        << QByteArray("\tA\r\n\t\tB\r\n\tC\r\n") << QStringList{"A", "\tB", "C"} << QString();

    QTest::newRow("first line at depth 2")
        << QByteArray("\t\tA\r\nB\r\n") << QStringList{} << loadError;
    QTest::newRow("deeper by two keeps earlier lines")
        << QByteArray("A\r\n\tB\r\n\t\t\tC\r\nD\r\n") << QStringList{"A", "\tB"} << loadError;
    QTest::newRow("deeper by two with spaces")
        << QByteArray("A\r\n  B\r\n") << QStringList{"A"} << loadError;
    QTest::newRow("climb above the root")
        << QByteArray("\tA\r\n\t\tB\r\nC\r\nD\r\n") << QStringList{"A", "\tB"} << loadError;
    QTest::newRow("empty line after a first line at depth 1")
        << QByteArray("\tA\r\n\r\n") << QStringList{"A"} << loadError;
    QTest::newRow("bad last line without line end")
        << QByteArray("A\r\n\t\tB") << QStringList{"A"} << loadError;
    QTest::newRow("too long line keeps earlier lines")
        << (QByteArray("A\r\n\tB\r\n") + repeated(5000) + "\r\nC\r\n") << QStringList{"A", "\tB"}
        << messages::lineTooLong();
}

void TestTreeList::readsFiles()
{
    checkRead();
}

// A line, with the CR or end mark that ends it, must fit in 4096 bytes wherever it starts;
// a last line ended by the end of the file may fill all 4096.
void TestTreeList::lineLengthLimit_data()
{
    addReadRowColumns();
    const QString tooLong = messages::lineTooLong();

    QTest::newRow("4095 and CR at file start")
        << (repeated(4095) + "\r\nB") << QStringList{repeatedText(4095), "B"} << QString();
    QTest::newRow("4095 and CR after a line")
        << ("A\r\n" + repeated(4095) + "\r\nB") << QStringList{"A", repeatedText(4095), "B"} << QString();
    QTest::newRow("4096 and CR")
        << ("A\r\n" + repeated(4096) + "\r\nB") << QStringList{"A"} << tooLong;
    QTest::newRow("4096 and CR at file start") << (repeated(4096) + "\r\n") << QStringList{} << tooLong;
    QTest::newRow("indentation counts")
        << ("A\r\n\t" + repeated(4095) + "\r\n") << QStringList{"A"} << tooLong;
    QTest::newRow("lone LF counts")
        << ("A\r\n" + repeated(4094) + "\nx\r\n") << QStringList{"A"} << tooLong;

    // 800 lines of 5 bytes put the long line's start at byte 4000 of the file.
    QByteArray shortLines;
    QStringList shortTexts;
    for (int i = 0; i < 800; ++i) {
        shortLines += "abc\r\n";
        shortTexts << "abc";
    }
    QTest::newRow("4095 and CR starting mid-buffer")
        << (shortLines + repeated(4095) + "\r\nB") << (shortTexts + QStringList{repeatedText(4095), "B"})
        << QString();
    QTest::newRow("4096 and CR starting mid-buffer")
        << (shortLines + repeated(4096) + "\r\nB") << shortTexts << tooLong;

    QTest::newRow("last line of 4096 without line end")
        << ("A\r\n" + repeated(4096)) << QStringList{"A", repeatedText(4096)} << QString();
    QTest::newRow("last line of 4097 without line end")
        << ("A\r\n" + repeated(4097)) << QStringList{"A"} << tooLong;
    QTest::newRow("4095 and end mark")
        << ("A\r\n" + repeated(4095) + "\x1A") << QStringList{"A", repeatedText(4095)} << QString();
    QTest::newRow("4096 and end mark") << ("A\r\n" + repeated(4096) + "\x1A") << QStringList{"A"} << tooLong;
}

void TestTreeList::lineLengthLimit()
{
    checkRead();
}

void TestTreeList::missingFileLeavesTree()
{
    TreeList tree = treeOfLines(kSampleLines);
    tree.setSelected(4);
    const QString path = m_dir.filePath(QStringLiteral("absent.list"));

    const QString error = ErrorOf([&] { tree.load(path); });
    QVERIFY2(error.startsWith(QStringLiteral("Cannot open file \"")), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("absent.list")), qPrintable(error));
    QCOMPARE(tree.lines(), kSampleLines);
    QCOMPARE(tree.selected(), 4);
}

void TestTreeList::savesExactBytes()
{
    TreeList tree;
    const int players = tree.addSibling(0, QStringLiteral("Игроки"));
    tree.addChild(players, QStringLiteral("[Игрок]Герой"));
    tree.addSibling(players, QStringLiteral("Аптечки"));

    // Saving replaces a longer file as a whole.
    const QString path = writeFile(QByteArray(200, 'z') + "\r\n");
    tree.save(path);
    QCOMPARE(readFile(path),
             QByteArray("\xC8\xE3\xF0\xEE\xEA\xE8\r\n"
                        "\t[\xC8\xE3\xF0\xEE\xEA]\xC3\xE5\xF0\xEE\xE9\r\n"
                        "\xC0\xEF\xF2\xE5\xF7\xEA\xE8\r\n"));
}

void TestTreeList::roundTrip()
{
    TreeList tree;
    const int first = tree.addSibling(0, QStringLiteral("Стены"));
    const int wall = tree.addChild(first, QStringLiteral("[Стена]Кирпич"));
    const int deep = tree.addChild(wall, QStringLiteral("глубже  "));
    tree.addChild(deep, QStringLiteral("ещё глубже"));
    tree.addSibling(wall, QStringLiteral("[Стена]Камень с пробелом"));
    tree.addSibling(0, QString());
    const int last = tree.addSibling(0, QStringLiteral("ЯЁя ёлка\tтаб"));
    tree.addChild(last, QString());

    const QString path = m_dir.filePath(QStringLiteral("round.list"));
    tree.save(path);
    TreeList loaded;
    loaded.load(path);
    QCOMPARE(loaded.lines(), tree.lines());
    for (int item = 1; item <= tree.count(); ++item) {
        QCOMPARE(loaded.depth(item), tree.depth(item));
        QCOMPARE(loaded.text(item), tree.text(item));
    }

    const QString again = m_dir.filePath(QStringLiteral("again.list"));
    loaded.save(again);
    QCOMPARE(readFile(again), readFile(path));
}

void TestTreeList::spaceIndentedFileSavesTabs()
{
    TreeList fromSpaces;
    fromSpaces.load(writeFile("A\r\n B\r\n  C\r\n D\r\nE"));
    TreeList fromTabs;
    fromTabs.load(writeFile("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE"));
    QCOMPARE(fromSpaces.lines(), fromTabs.lines());

    const QString path = m_dir.filePath(QStringLiteral("tabs.list"));
    fromSpaces.save(path);
    QCOMPARE(readFile(path), QByteArray("A\r\n\tB\r\n\t\tC\r\n\tD\r\nE\r\n"));
}

void TestTreeList::emptyListRoundTrip()
{
    TreeList maps = treeOfLines({"Карта1", "Карта2"});
    maps.remove(2);
    maps.remove(1);
    QCOMPARE(maps.selected(), 0);

    const QString path = writeFile("Карта1\r\n");
    maps.save(path);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);

    TreeList loaded = treeOfLines({"old"});
    loaded.load(path);
    QVERIFY(loaded.isEmpty());
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(loaded.selected(), 0);
    QCOMPARE(loaded.lines(), QStringList());
}

void TestTreeList::findsText_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("found");       // find text: item index, exact
    QTest::addColumn<int>("lineIndex");   // lines view: line index, letter case ignored

    // Tree: 1 Карта1, 2 Карта2, 3 <TAB>Лес, 4 Карта2, 5 Ёлка
    QTest::newRow("exact") << "Карта1" << 1 << 0;
    QTest::newRow("other case of Cyrillic") << "карта1" << 0 << 0;
    QTest::newRow("all capitals") << "КАРТА2" << 0 << 1;
    QTest::newRow("first of equal texts") << "Карта2" << 2 << 1;
    QTest::newRow("Ё and ё") << "ёЛКА" << 0 << 4;
    QTest::newRow("child text without its TAB") << "Лес" << 3 << -1;
    QTest::newRow("child line with its TAB") << "\tлес" << 0 << 2;
    QTest::newRow("absent") << "Карта3" << 0 << -1;
    QTest::newRow("prefix only") << "Карта" << 0 << -1;
}

void TestTreeList::findsText()
{
    QFETCH(QString, query);
    QFETCH(int, found);
    QFETCH(int, lineIndex);

    const TreeList tree = treeOfLines({"Карта1", "Карта2", "\tЛес", "Карта2", "Ёлка"});
    QCOMPARE(tree.findText(query), found);
    QCOMPARE(tree.lineIndexOf(query), lineIndex);
}

void TestTreeList::operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("selectedBefore");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("returned");       // the new node's index, for the adding operations
    QTest::addColumn<int>("selectedAfter");

    // Sample: 1 A, 2 A1, 3 A1a, 4 A2, 5 B, 6 B1.
    QTest::newRow("sibling of 0 is a last root node")
        << "sibling" << 0 << 3 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "B", "\tB1", "N"} << 7 << 3;
    QTest::newRow("sibling of a first root node goes last")
        << "sibling" << 1 << 3 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "B", "\tB1", "N"} << 7 << 3;
    QTest::newRow("sibling inside goes after the level's subtrees")
        << "sibling" << 2 << 6 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "\tN", "B", "\tB1"} << 5 << 6;
    QTest::newRow("sibling of an only child")
        << "sibling" << 3 << 1 << QStringList{"A", "\tA1", "\t\tA1a", "\t\tN", "\tA2", "B", "\tB1"} << 4 << 1;
    QTest::newRow("sibling of the last node")
        << "sibling" << 6 << 6 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "B", "\tB1", "\tN"} << 7 << 6;
    QTest::newRow("child goes after the whole subtree")
        << "child" << 1 << 5 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "\tN", "B", "\tB1"} << 5 << 5;
    QTest::newRow("child of a leaf")
        << "child" << 3 << 2 << QStringList{"A", "\tA1", "\t\tA1a", "\t\t\tN", "\tA2", "B", "\tB1"} << 4 << 2;
    QTest::newRow("child of the last node")
        << "child" << 6 << 1 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "B", "\tB1", "\t\tN"} << 7 << 1;
    QTest::newRow("delete with subtree keeps the selected row")
        << "delete" << 2 << 4 << QStringList{"A", "\tA2", "B", "\tB1"} << -1 << 4;
    QTest::newRow("delete a first root node and its children")
        << "delete" << 1 << 4 << QStringList{"B", "\tB1"} << -1 << 2;
    QTest::newRow("delete a leaf")
        << "delete" << 3 << 3 << QStringList{"A", "\tA1", "\tA2", "B", "\tB1"} << -1 << 3;
    QTest::newRow("delete the last node while selected")
        << "delete" << 6 << 6 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2", "B"} << -1 << 5;
    QTest::newRow("delete a parent of the last node")
        << "delete" << 5 << 5 << QStringList{"A", "\tA1", "\t\tA1a", "\tA2"} << -1 << 4;
    QTest::newRow("set text keeps depth")
        << "text" << 3 << 1 << QStringList{"A", "\tA1", "\t\tN", "\tA2", "B", "\tB1"} << -1 << 1;
    QTest::newRow("select") << "select" << 5 << 1 << kSampleLines << -1 << 5;
}

void TestTreeList::operations()
{
    QFETCH(QString, operation);
    QFETCH(int, item);
    QFETCH(int, selectedBefore);
    QFETCH(QStringList, lines);
    QFETCH(int, returned);
    QFETCH(int, selectedAfter);

    TreeList tree = treeOfLines(kSampleLines);
    tree.setSelected(selectedBefore);
    const QString text = QStringLiteral("N");
    int result = -1;
    if (operation == "sibling")
        result = tree.addSibling(item, text);
    else if (operation == "child")
        result = tree.addChild(item, text);
    else if (operation == "delete")
        tree.remove(item);
    else if (operation == "text")
        tree.setText(item, text);
    else if (operation == "select")
        tree.setSelected(item);
    else
        QFAIL("unknown operation");

    QCOMPARE(tree.lines(), lines);
    QCOMPARE(result, returned);
    if (returned > 0)
        QCOMPARE(tree.text(returned), text);
    QCOMPARE(tree.selected(), selectedAfter);
}

void TestTreeList::selectionOfEmptyTree()
{
    TreeList tree;
    QCOMPARE(tree.selected(), 0);
    QCOMPARE(tree.addSibling(0, QStringLiteral("A")), 1);
    QCOMPARE(tree.selected(), 1);
    tree.remove(1);
    QCOMPARE(tree.selected(), 0);

    tree.addLine(QStringLiteral("\tA"));
    QCOMPARE(tree.lines(), QStringList{"A"});
    QCOMPARE(tree.selected(), 1);
    tree.addLine(QStringLiteral("B"));
    tree.setSelected(2);
    tree.clear();
    QCOMPARE(tree.count(), 0);
    QCOMPARE(tree.selected(), 0);

    tree = treeOfLines(kSampleLines);
    tree.setSelected(6);
    tree.load(writeFile("X\r\nY\r\n"));
    QCOMPARE(tree.selected(), 1);
}

void TestTreeList::invalidIndex_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("item");

    for (const char *operation : {"text", "depth", "setText", "select", "child", "delete"}) {
        for (int item : {0, 7}) {
            QTest::addRow("%s %d", operation, item) << QString(operation) << item;
        }
    }
    QTest::newRow("sibling 7") << "sibling" << 7;
    QTest::newRow("sibling -1") << "sibling" << -1;
    QTest::newRow("delete -1") << "delete" << -1;
}

void TestTreeList::invalidIndex()
{
    QFETCH(QString, operation);
    QFETCH(int, item);

    TreeList tree = treeOfLines(kSampleLines);
    tree.setSelected(2);
    const QString error = ErrorOf([&] {
        if (operation == "text")
            tree.text(item);
        else if (operation == "depth")
            tree.depth(item);
        else if (operation == "setText")
            tree.setText(item, QStringLiteral("N"));
        else if (operation == "select")
            tree.setSelected(item);
        else if (operation == "child")
            tree.addChild(item, QStringLiteral("N"));
        else if (operation == "delete")
            tree.remove(item);
        else if (operation == "sibling")
            tree.addSibling(item, QStringLiteral("N"));
    });
    QCOMPARE(error, messages::invalidOutlineIndex());
    QCOMPARE(tree.lines(), kSampleLines);
    QCOMPARE(tree.selected(), 2);
}

void TestTreeList::addsLines_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("error");
    const QString loadError = messages::fileLoadError();

    QTest::newRow("plain text on an empty tree") << QStringList{} << "Карта1" << QStringList{"Карта1"} << QString();
    QTest::newRow("one TAB on an empty tree") << QStringList{} << "\tA" << QStringList{"A"} << QString();
    QTest::newRow("two TABs on an empty tree") << QStringList{} << "\t\tA" << QStringList{} << loadError;
    QTest::newRow("plain text goes to depth 0")
        << QStringList{"A", "\tB", "\t\tC"} << "D" << QStringList{"A", "\tB", "\t\tC", "D"} << QString();
    QTest::newRow("one level deeper")
        << QStringList{"A"} << "\tB" << QStringList{"A", "\tB"} << QString();
    QTest::newRow("spaces give depth")
        << QStringList{"A", "\tB"} << "  C" << QStringList{"A", "\tB", "\t\tC"} << QString();
    QTest::newRow("shallower by one")
        << QStringList{"A", "\tB", "\t\tC"} << "\tD" << QStringList{"A", "\tB", "\t\tC", "\tD"} << QString();
    QTest::newRow("empty text") << QStringList{"A"} << "" << QStringList{"A", ""} << QString();
    QTest::newRow("trailing spaces stay") << QStringList{"A"} << "\tB  " << QStringList{"A", "\tB  "} << QString();
    QTest::newRow("deeper by two")
        << QStringList{"A", "\tB"} << "\t\t\tC" << QStringList{"A", "\tB"} << loadError;
}

void TestTreeList::addsLines()
{
    QFETCH(QStringList, before);
    QFETCH(QString, line);
    QFETCH(QStringList, after);
    QFETCH(QString, error);

    TreeList tree = treeOfLines(before);
    const int selected = before.isEmpty() ? 0 : 1;
    QCOMPARE(tree.selected(), selected);
    QCOMPARE(ErrorOf([&] { tree.addLine(line); }), error);
    QCOMPARE(tree.lines(), after);
    QCOMPARE(tree.selected(), after.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestTreeList)
#include "tst_tree_list.moc"
