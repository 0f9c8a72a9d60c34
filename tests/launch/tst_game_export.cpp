#include "core/project/paths.h"
#include "core/project/project_settings.h"
#include "core/text/text_file.h"
#include "launch/game_export.h"
#include "support/test_editor.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vornik;

class TestGameExport : public QObject {
    Q_OBJECT

private slots:
    void init();

    void exports_data();
    void exports();
    void keepsFilesAlreadyExported();
    void bothExportsShareTheLibrary();
    void missingEngineStillOpensFolder();
    void nothingWithoutProject();

private:
    QString projectFile(const QString &name) const { return JoinPath(m_folder, name); }
    // Stands in for the engine files of the template folder.
    void installEngine(const QByteArray &version);

    std::unique_ptr<test::TestEditor> m_editor;
    QString m_folder;
};

void TestGameExport::init()
{
    m_editor = std::make_unique<test::TestEditor>();
    QVERIFY(m_editor->install.isValid());
    m_folder = m_editor->openBareProject();
    installEngine("1");
}

void TestGameExport::installEngine(const QByteArray &version)
{
    for (const QString &name : {"3d.exe", "Engine_files.dll", "gm8.gmk"})
        WriteFileBytes(m_editor->install.systemFile(name), name.toUtf8() + " " + version);
}

void TestGameExport::exports_data()
{
    QTest::addColumn<bool>("gameMaker");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("absent");

    QTest::newRow("exe") << false << "Запуск.exe" << "3d.exe" << "gm8.gmk";
    QTest::newRow("gmk") << true << "gm8.gmk" << "gm8.gmk" << "Запуск.exe";
}

void TestGameExport::exports()
{
    QFETCH(bool, gameMaker);
    QFETCH(QString, copied);
    QFETCH(QString, source);
    QFETCH(QString, absent);

    WriteTestLevel(m_folder, 4);
    const QByteArray settings = ReadFileBytes(ProjectSettingsPath(m_folder));
    gameMaker ? ExportGameMakerProject(m_editor->context) : ExportGameExe(m_editor->context);

    QCOMPARE(ReadFileBytes(projectFile(copied)), ReadFileBytes(m_editor->install.systemFile(source)));
    QCOMPARE(ReadFileBytes(projectFile("Engine_files.dll")), QByteArray("Engine_files.dll 1"));
    QVERIFY(!QFile::exists(projectFile(absent)));
    QVERIFY(!QFile::exists(projectFile("3d.exe")));
    QCOMPARE(ReadFileBytes(ProjectSettingsPath(m_folder)), settings);
    QCOMPARE(m_editor->shell.openedFolders, QStringList({m_folder}));
    QVERIFY(m_editor->shell.started.empty());
}

void TestGameExport::keepsFilesAlreadyExported()
{
    ExportGameExe(m_editor->context);
    installEngine("2");
    ExportGameExe(m_editor->context);
    QCOMPARE(ReadFileBytes(projectFile("Запуск.exe")), QByteArray("3d.exe 1"));
    QCOMPARE(ReadFileBytes(projectFile("Engine_files.dll")), QByteArray("Engine_files.dll 1"));
    QCOMPARE(m_editor->shell.openedFolders, QStringList({m_folder, m_folder}));
}

void TestGameExport::bothExportsShareTheLibrary()
{
    ExportGameExe(m_editor->context);
    ExportGameMakerProject(m_editor->context);
    const QStringList files = QDir(m_folder).entryList(QDir::Files, QDir::Name);
    QCOMPARE(files, QStringList({"Engine_files.dll", "gm8.gmk", "Запуск.exe"}));
}

void TestGameExport::missingEngineStillOpensFolder()
{
    QVERIFY(QFile::remove(m_editor->install.systemFile("3d.exe")));
    ExportGameExe(m_editor->context);
    QVERIFY(!QFile::exists(projectFile("Запуск.exe")));
    QVERIFY(QFile::exists(projectFile("Engine_files.dll")));
    QCOMPARE(m_editor->shell.openedFolders, QStringList({m_folder}));
    QVERIFY(m_editor->dialogs.asked.isEmpty());
}

void TestGameExport::nothingWithoutProject()
{
    m_editor->project.projectFolder.clear();
    ExportGameExe(m_editor->context);
    ExportGameMakerProject(m_editor->context);
    QVERIFY(m_editor->shell.openedFolders.isEmpty());
    QVERIFY(!QFile::exists(projectFile("Запуск.exe")));
}

QTEST_MAIN(TestGameExport)
#include "tst_game_export.moc"
