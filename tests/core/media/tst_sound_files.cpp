#include "core/media/sound_files.h"
#include "core/project/paths.h"

#include <QtTest>

using namespace vornik;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("sound");
}

} // namespace

class TestSoundFiles : public QObject {
    Q_OBJECT

private slots:
    void findTakesTheLastOfTheOrder_data();
    void findTakesTheLastOfTheOrder();
    void deleteRemovesEverySoundAndNothingElse();
    void extensionOf_data();
    void extensionOf();
};

void TestSoundFiles::findTakesTheLastOfTheOrder_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("found");

    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("only mp3") << QStringList{"Звук.mp3"} << "Звук.mp3";
    QTest::newRow("wma beats mp3") << QStringList{"Звук.mp3", "Звук.wma"} << "Звук.wma";
    QTest::newRow("wav beats mp3") << QStringList{"Звук.mp3", "Звук.wav"} << "Звук.wav";
    QTest::newRow("wave beats wav") << QStringList{"Звук.wav", "Звук.wave"} << "Звук.wave";
    QTest::newRow("midi beats mid") << QStringList{"Звук.midi", "Звук.mid"} << "Звук.midi";
    QTest::newRow("wav beats midi") << QStringList{"Звук.midi", "Звук.wav"} << "Звук.wav";
    QTest::newRow("all six") << QStringList{"Звук.mp3", "Звук.mid", "Звук.midi", "Звук.wav", "Звук.wave", "Звук.wma"}
                             << "Звук.wma";
    QTest::newRow("other base names are not the slot's")
        << QStringList{"Звук2.wav", "Звуки.mp3", "Звук.ogg"} << QString();
    QTest::newRow("upper-case extension is not found") << QStringList{"Звук.WAV"} << QString();
}

void TestSoundFiles::findTakesTheLastOfTheOrder()
{
    QFETCH(QStringList, present);
    QFETCH(QString, found);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QString &name : present)
        touch(JoinPath(folder.path(), name));
    const QString expected = found.isEmpty() ? QString() : JoinPath(folder.path(), found);
    QCOMPARE(FindSoundFile(JoinPath(folder.path(), "Звук")), expected);
}

void TestSoundFiles::deleteRemovesEverySoundAndNothingElse()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QStringList sounds{"Урон.mp3", "Урон.mid", "Урон.midi", "Урон.wav", "Урон.wave", "Урон.wma"};
    const QStringList others{"Урон.png", "Урон.WAV", "Урон.ogg", "Ходьба.wav"};
    for (const QString &name : sounds + others)
        touch(JoinPath(folder.path(), name));

    DeleteSoundFiles(JoinPath(folder.path(), "Урон"));

    QDir dir(folder.path());
    QStringList left = dir.entryList(QDir::Files);
    QStringList expected = others;
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
    // Nothing to delete is no error.
    DeleteSoundFiles(JoinPath(folder.path(), "Урон"));
    QCOMPARE(dir.entryList(QDir::Files).size(), others.size());
}

void TestSoundFiles::extensionOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("extension");

    QTest::newRow("case kept") << "C:/a.b/Shot.WAV" << "WAV";
    QTest::newRow("last dot") << "/home/user/shot.old.mp3" << "mp3";
    QTest::newRow("dot only in a folder") << "C:/a.b/Shot" << "b/Shot";
    QTest::newRow("no dot gives the whole path") << "/home/user/Shot" << "/home/user/Shot";
    QTest::newRow("trailing dot") << "/home/user/Shot." << "";
    QTest::newRow("four letters") << "/tmp/Звук.wave" << "wave";
}

void TestSoundFiles::extensionOf()
{
    QFETCH(QString, path);
    QFETCH(QString, extension);
    QCOMPARE(ExtensionOf(path), extension);
}

QTEST_GUILESS_MAIN(TestSoundFiles)
#include "tst_sound_files.moc"
