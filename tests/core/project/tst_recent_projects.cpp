#include "core/project/recent_projects.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "core/treelist/tree_list.h"
#include "support/error_of.h"
#include "support/temp_install.h"

#include <QFile>
#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

QByteArray listBytes(const QStringList &entries)
{
    QString text;
    for (const QString &entry : entries)
        text += entry + "\r\n";
    return EncodeCp1251(text);
}

QStringList entriesOf(const TreeList &list)
{
    QStringList entries;
    for (int item = 1; item <= list.count(); ++item)
        entries << list.text(item);
    return entries;
}

} // namespace

class TestRecentProjects : public QObject {
    Q_OBJECT

private slots:
    void init();

    void addsOncePerPath();
    void addWritesEvenWhenNothingIsAdded();
    void removesFirstExactEntry();
    void pruneDropsVanishedProjects();
    void pruneVisitsEveryEntry();
    void pruneOfUnreadableFile();

private:
    QString listPath() const { return RecentProjectsPath(m_install->installFolder()); }
    // A project settings file that exists.
    QString existingProject(const QString &name) const;

    std::unique_ptr<test::TempInstall> m_install;
    TreeList m_recent;
};

void TestRecentProjects::init()
{
    m_install = std::make_unique<test::TempInstall>();
    QVERIFY(m_install->isValid());
    m_recent.clear();
}

QString TestRecentProjects::existingProject(const QString &name) const
{
    const QString path = m_install->projectPath(name + ".fps");
    WriteFileBytes(path, QByteArray());
    return path;
}

void TestRecentProjects::addsOncePerPath()
{
    const QString a = m_install->projectPath("Проект А/Игра.fps");
    const QString b = m_install->projectPath("Проект Б/Игра.fps");
    AddRecentProject(m_recent, m_install->installFolder(), a);
    AddRecentProject(m_recent, m_install->installFolder(), b);
    AddRecentProject(m_recent, m_install->installFolder(), a);
    // Exact comparison: another letter case is another entry.
    AddRecentProject(m_recent, m_install->installFolder(), b.toUpper());
    QCOMPARE(entriesOf(m_recent), QStringList({a, b, b.toUpper()}));
    QCOMPARE(ReadFileBytes(listPath()), listBytes({a, b, b.toUpper()}));
}

void TestRecentProjects::addWritesEvenWhenNothingIsAdded()
{
    const QString a = m_install->projectPath("А/Игра.fps");
    AddRecentProject(m_recent, m_install->installFolder(), a);
    QVERIFY(QFile::remove(listPath()));
    AddRecentProject(m_recent, m_install->installFolder(), a);
    QCOMPARE(ReadFileBytes(listPath()), listBytes({a}));
}

void TestRecentProjects::removesFirstExactEntry()
{
    for (const QString &entry : {"a", "b", "a", "c"})
        m_recent.addSibling(0, entry);
    RemoveRecentProject(m_recent, m_install->installFolder(), "a");
    QCOMPARE(ReadFileBytes(listPath()), listBytes({"b", "a", "c"}));
    RemoveRecentProject(m_recent, m_install->installFolder(), "C");
    QCOMPARE(entriesOf(m_recent), QStringList({"b", "a", "c"}));
    QCOMPARE(ReadFileBytes(listPath()), listBytes({"b", "a", "c"}));
}

void TestRecentProjects::pruneDropsVanishedProjects()
{
    const QString kept = existingProject("kept");
    const QString gone = m_install->projectPath("gone/Игра.fps");
    WriteFileBytes(listPath(), listBytes({gone, kept, "--", "", kept + "x"}));
    // The list in memory is replaced by the file's.
    m_recent.addSibling(0, "stale entry");
    PruneRecentProjects(m_recent, m_install->installFolder());
    QCOMPARE(entriesOf(m_recent), QStringList({kept}));
    QCOMPARE(ReadFileBytes(listPath()), listBytes({kept}));
}

void TestRecentProjects::pruneVisitsEveryEntry()
{
    QStringList entries;
    QStringList expected;
    for (int i = 0; i < 300; ++i) {
        // Runs of vanished entries next to each other, and one at the very end.
        if (i % 3 == 0) {
            expected << existingProject(QString::number(i));
            entries << expected.last();
        } else {
            entries << m_install->projectPath(QStringLiteral("нет%1/Игра.fps").arg(i));
        }
    }
    WriteFileBytes(listPath(), listBytes(entries));
    PruneRecentProjects(m_recent, m_install->installFolder());
    QCOMPARE(entriesOf(m_recent), expected);
    QCOMPARE(ReadFileBytes(listPath()), listBytes(expected));
}

void TestRecentProjects::pruneOfUnreadableFile()
{
    m_recent.addSibling(0, existingProject("a"));
    QFile::remove(listPath());
    const QString error = ErrorOf([&] { PruneRecentProjects(m_recent, m_install->installFolder()); });
    QVERIFY2(error.startsWith("Cannot open file"), qPrintable(error));
    QVERIFY(m_recent.isEmpty());
    // The next add writes the file again.
    AddRecentProject(m_recent, m_install->installFolder(), "x");
    QCOMPARE(ReadFileBytes(listPath()), listBytes({"x"}));
}

QTEST_GUILESS_MAIN(TestRecentProjects)
#include "tst_recent_projects.moc"
