#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/media/media_player.h"
#include "core/media/sound_files.h"
#include "core/media/sound_slot.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "support/error_of.h"

#include <QtTest>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

// A player that reads the file it opens and remembers its bytes. A file that vanishes or changes
// while it is held is recorded: that is a file the real player would have kept locked.
class FakePlayer final : public MediaPlayer {
public:
    // A file beginning with these bytes is refused, as the media layer refuses garbage.
    static inline const QByteArray kUnplayable = "garbage";

    void open(const QString &path) override
    {
        checkHeld();
        release();
        opened << path;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.peek(kUnplayable.size()) == kUnplayable)
            throw VornikError(messages::cannotOpenSound(path, QStringLiteral("fake")));
        m_held = path;
        m_heldBytes = file.readAll();
    }
    bool isOpen() const override { return !m_held.isEmpty(); }
    void play() override
    {
        checkHeld();
        playing = isOpen();
    }
    void stop() override
    {
        checkHeld();
        playing = false;
        ++stops;
    }
    void close() override
    {
        checkHeld();
        release();
    }

    const QString &held() const { return m_held; }
    void checkHeld()
    {
        if (m_held.isEmpty())
            return;
        QFile file(m_held);
        if (!file.open(QIODevice::ReadOnly) || file.readAll() != m_heldBytes)
            touchedWhileHeld << m_held;
    }

    QStringList opened;
    QStringList touchedWhileHeld;
    bool playing = false;
    int stops = 0;

private:
    void release()
    {
        m_held.clear();
        m_heldBytes.clear();
        playing = false;
    }

    QString m_held;
    QByteArray m_heldBytes;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QStringList filesIn(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.sort();
    return files;
}

// An install folder with its empty staging folder, an object folder, a folder of files the user
// picks from, and a slot "Звук" over a fake player.
struct SlotFixture {
    SlotFixture()
    {
        QDir(root.path()).mkpath(JoinPath("install", names::kStagingFolder));
        QDir(root.path()).mkpath("object");
        QDir(root.path()).mkpath("picked.dir");
    }

    QString staging() const { return StagingPath(install, QString()); }
    QString staged(const QString &extension) const { return StagingPath(install, names::kSoundSlot + "." + extension); }
    QString objectSound(const QString &extension) const { return JoinPath(object, names::kSoundSlot + "." + extension); }
    // A file the user picks in the sound dialog.
    QString pick(const QString &name, const QByteArray &bytes)
    {
        const QString path = JoinPath(root.path(), "picked.dir", name);
        writeBytes(path, bytes);
        return path;
    }

    QTemporaryDir root;
    const QString install = JoinPath(root.path(), "install/");
    const QString object = JoinPath(root.path(), "object");
    std::unique_ptr<FakePlayer> ownedPlayer = std::make_unique<FakePlayer>();
    FakePlayer *player = ownedPlayer.get();
    SoundSlot slot{names::kSoundSlot, install, std::move(ownedPlayer)};
};

// The slot never lets a file change under the player, and the player holds the current file.
void verifyPlayer(SlotFixture &f)
{
    f.player->checkHeld();
    QCOMPARE(f.player->touchedWhileHeld, QStringList());
}

void verifyEmpty(SlotFixture &f)
{
    QCOMPARE(f.slot.currentFile(), QString());
    QCOMPARE(f.slot.pendingFile(), QString());
    QVERIFY(!f.player->isOpen());
}

void verifyStaged(SlotFixture &f, const QString &stagedFile)
{
    QCOMPARE(f.slot.currentFile(), stagedFile);
    QCOMPARE(f.slot.pendingFile(), stagedFile);
    QCOMPARE(f.player->held(), stagedFile);
}

void verifyObjectSound(SlotFixture &f, const QString &objectFile)
{
    QCOMPARE(f.slot.currentFile(), objectFile);
    QCOMPARE(f.slot.pendingFile(), QString());
    QCOMPARE(f.player->held(), objectFile);
}

} // namespace

class TestSoundSlot : public QObject {
    Q_OBJECT

private slots:
    void openFindsTheObjectSoundWithoutPlaying();
    void openWithoutSoundLeavesTheSlotEmpty();
    void playAndStopNeedACurrentFile();
    void playAndStopReportAFileThePlayerCouldNotOpen();
    void loadStagesThePickedFile_data();
    void loadStagesThePickedFile();
    void loadingTheSameExtensionAgainReplacesTheStagedFile();
    void loadedFileThePlayerCannotOpenStaysStaged();
    void pickedPathWithoutDotFailsToOpen();
    void commitMovesThePendingFileIntoTheObjectFolder_data();
    void commitMovesThePendingFileIntoTheObjectFolder();
    void commitKeepsOnlyTheLastPickAndStagedFilesWaitForClose();
    void commitWithoutPendingFileChangesNothing_data();
    void commitWithoutPendingFileChangesNothing();
    void commitOfAnUnplayableFileCopiesItAndKeepsThePendingFile();
    void rewindStopsOnlyAnOpenFile();
    void removeDeletesTheObjectSoundAtOnce_data();
    void removeDeletesTheObjectSoundAtOnce();
    void loadThenCloseLeavesTheObjectAsItWas();
    void closeRemovesEveryStagedFileOfTheSlot();
};

void TestSoundSlot::openFindsTheObjectSoundWithoutPlaying()
{
    SlotFixture f;
    writeBytes(f.objectSound("mp3"), "mp3 sound");
    writeBytes(f.objectSound("wma"), "wma sound");

    f.slot.open(f.object);

    verifyObjectSound(f, f.objectSound("wma"));
    QVERIFY(!f.player->playing);
    verifyPlayer(f);
}

void TestSoundSlot::openWithoutSoundLeavesTheSlotEmpty()
{
    SlotFixture f;
    writeBytes(JoinPath(f.object, "Звук.ogg"), "not a slot sound");

    f.slot.open(f.object);

    verifyEmpty(f);
    QCOMPARE(f.player->opened, QStringList());
}

void TestSoundSlot::playAndStopNeedACurrentFile()
{
    SlotFixture f;
    f.slot.play();
    f.slot.stop();
    QVERIFY(!f.player->playing);
    QCOMPARE(f.player->stops, 0);

    writeBytes(f.objectSound("wav"), "wav sound");
    f.slot.open(f.object);
    f.slot.play();
    QVERIFY(f.player->playing);
    f.slot.stop();
    QVERIFY(!f.player->playing);
    QCOMPARE(f.player->stops, 1);
}

void TestSoundSlot::playAndStopReportAFileThePlayerCouldNotOpen()
{
    SlotFixture f;
    writeBytes(f.objectSound("mp3"), FakePlayer::kUnplayable);

    QCOMPARE(ErrorOf([&] { f.slot.open(f.object); }), messages::cannotOpenSound(f.objectSound("mp3"), "fake"));
    QCOMPARE(f.slot.currentFile(), f.objectSound("mp3"));
    QCOMPARE(ErrorOf([&] { f.slot.play(); }), messages::noMediaDeviceOpen());
    QCOMPARE(ErrorOf([&] { f.slot.stop(); }), messages::noMediaDeviceOpen());
    QCOMPARE(messages::noMediaDeviceOpen(), QStringLiteral("No MCI device open"));
}

void TestSoundSlot::loadStagesThePickedFile_data()
{
    QTest::addColumn<QString>("pickedName");
    QTest::addColumn<QString>("stagedExtension");

    QTest::newRow("wav") << "Выстрел.wav" << "wav";
    QTest::newRow("case kept in staging") << "Shot.WAV" << "WAV";
    QTest::newRow("last dot of the name") << "shot.old.mp3" << "mp3";
    QTest::newRow("extension outside the order") << "shot.ogg" << "ogg";
}

void TestSoundSlot::loadStagesThePickedFile()
{
    QFETCH(QString, pickedName);
    QFETCH(QString, stagedExtension);

    SlotFixture f;
    writeBytes(f.objectSound("mp3"), "object sound");
    f.slot.open(f.object);

    f.slot.load(f.pick(pickedName, "picked sound"));

    verifyStaged(f, f.staged(stagedExtension));
    QCOMPARE(bytesOf(f.staged(stagedExtension)), QByteArray("picked sound"));
    QCOMPARE(filesIn(f.staging()), QStringList{names::kSoundSlot + "." + stagedExtension});
    QVERIFY(!f.player->playing);
    // Nothing reaches the object folder before the save.
    QCOMPARE(filesIn(f.object), QStringList{"Звук.mp3"});
    QCOMPARE(bytesOf(f.objectSound("mp3")), QByteArray("object sound"));
    verifyPlayer(f);
}

void TestSoundSlot::loadingTheSameExtensionAgainReplacesTheStagedFile()
{
    SlotFixture f;
    f.slot.load(f.pick("first.wav", "first"));
    f.slot.play();

    f.slot.load(f.pick("second.wav", "second"));

    verifyStaged(f, f.staged("wav"));
    QCOMPARE(bytesOf(f.staged("wav")), QByteArray("second"));
    QVERIFY(!f.player->playing);
    verifyPlayer(f);
}

void TestSoundSlot::loadedFileThePlayerCannotOpenStaysStaged()
{
    SlotFixture f;
    const QString picked = f.pick("broken.mp3", FakePlayer::kUnplayable + " bytes");

    QCOMPARE(ErrorOf([&] { f.slot.load(picked); }), messages::cannotOpenSound(f.staged("mp3"), "fake"));

    QCOMPARE(f.slot.currentFile(), f.staged("mp3"));
    QCOMPARE(f.slot.pendingFile(), f.staged("mp3"));
    QVERIFY(!f.player->isOpen());
    QVERIFY(QFile::exists(f.staged("mp3")));
}

void TestSoundSlot::pickedPathWithoutDotFailsToOpen()
{
    SlotFixture f;
    const QString picked = JoinPath(f.root.path(), "sounds", "shot");
    QDir(f.root.path()).mkpath("sounds");
    writeBytes(picked, "sound without extension");
    const QString staged = StagingPath(f.install, names::kSoundSlot + "." + picked);

    QCOMPARE(ErrorOf([&] { f.slot.load(picked); }), messages::cannotOpenSound(staged, "fake"));

    QCOMPARE(f.slot.pendingFile(), staged);
    QCOMPARE(f.slot.currentFile(), staged);
    QCOMPARE(filesIn(f.staging()), QStringList());
    // The save then finds no pending file to move.
    f.slot.commit(f.object);
    QCOMPARE(filesIn(f.object), QStringList());
}

void TestSoundSlot::commitMovesThePendingFileIntoTheObjectFolder_data()
{
    QTest::addColumn<QStringList>("objectSounds");
    QTest::addColumn<QString>("pickedName");
    QTest::addColumn<QString>("savedExtension");

    QTest::newRow("wav over mp3") << QStringList{"mp3"} << "Выстрел.wav" << "wav";
    QTest::newRow("mp3 over wma and wav") << QStringList{"wma", "wav"} << "shot.mp3" << "mp3";
    QTest::newRow("no sound before") << QStringList() << "shot.wave" << "wave";
    QTest::newRow("upper case folded") << QStringList{"wav"} << "Shot.WAV" << "wav";
    QTest::newRow("mixed case folded") << QStringList() << "Shot.Mid" << "mid";
}

void TestSoundSlot::commitMovesThePendingFileIntoTheObjectFolder()
{
    QFETCH(QStringList, objectSounds);
    QFETCH(QString, pickedName);
    QFETCH(QString, savedExtension);

    SlotFixture f;
    for (const QString &extension : objectSounds)
        writeBytes(f.objectSound(extension), "old " + extension.toUtf8());
    writeBytes(JoinPath(f.object, names::kObjectIcon), "icon");
    f.slot.open(f.object);
    f.slot.load(f.pick(pickedName, "picked sound"));

    f.slot.commit(f.object);

    verifyObjectSound(f, f.objectSound(savedExtension));
    QCOMPARE(bytesOf(f.objectSound(savedExtension)), QByteArray("picked sound"));
    QStringList expected{names::kObjectIcon, names::kSoundSlot + "." + savedExtension};
    expected.sort();
    QCOMPARE(filesIn(f.object), expected);
    QCOMPARE(FindSoundFile(JoinPath(f.object, names::kSoundSlot)), f.objectSound(savedExtension));
    QCOMPARE(filesIn(f.staging()), QStringList());
    verifyPlayer(f);
}

void TestSoundSlot::commitKeepsOnlyTheLastPickAndStagedFilesWaitForClose()
{
    SlotFixture f;
    writeBytes(f.objectSound("wma"), "old wma");
    f.slot.open(f.object);
    f.slot.load(f.pick("first.wav", "wav sound"));
    f.slot.load(f.pick("second.mp3", "mp3 sound"));
    verifyStaged(f, f.staged("mp3"));

    f.slot.commit(f.object);

    verifyObjectSound(f, f.objectSound("mp3"));
    QCOMPARE(filesIn(f.object), QStringList{"Звук.mp3"});
    QCOMPARE(bytesOf(f.objectSound("mp3")), QByteArray("mp3 sound"));
    QCOMPARE(filesIn(f.staging()), QStringList{"Звук.wav"});
    // A second save has nothing pending and changes nothing.
    f.slot.commit(f.object);
    verifyObjectSound(f, f.objectSound("mp3"));
    QCOMPARE(filesIn(f.staging()), QStringList{"Звук.wav"});

    f.slot.close();

    verifyEmpty(f);
    QCOMPARE(filesIn(f.staging()), QStringList());
    QCOMPARE(filesIn(f.object), QStringList{"Звук.mp3"});
    verifyPlayer(f);
}

void TestSoundSlot::commitWithoutPendingFileChangesNothing_data()
{
    QTest::addColumn<bool>("objectHasSound");
    QTest::addColumn<bool>("pendingVanished");

    QTest::newRow("empty slot") << false << false;
    QTest::newRow("object sound") << true << false;
    QTest::newRow("pending file gone from the staging folder") << true << true;
}

void TestSoundSlot::commitWithoutPendingFileChangesNothing()
{
    QFETCH(bool, objectHasSound);
    QFETCH(bool, pendingVanished);

    SlotFixture f;
    if (objectHasSound)
        writeBytes(f.objectSound("wav"), "object sound");
    f.slot.open(f.object);
    if (pendingVanished) {
        // A staged file the player could not open is held by nobody; then something outside the
        // editor removes it.
        ErrorOf([&] { f.slot.load(f.pick("picked.mp3", FakePlayer::kUnplayable)); });
        QVERIFY(QFile::remove(f.staged("mp3")));
    }
    const QString current = f.slot.currentFile();
    const QString pending = f.slot.pendingFile();
    const QStringList opened = f.player->opened;

    f.slot.commit(f.object);

    QCOMPARE(f.slot.currentFile(), current);
    QCOMPARE(f.slot.pendingFile(), pending);
    QCOMPARE(f.player->opened, opened);
    QCOMPARE(filesIn(f.object), objectHasSound ? QStringList{"Звук.wav"} : QStringList());
    if (objectHasSound)
        QCOMPARE(bytesOf(f.objectSound("wav")), QByteArray("object sound"));
    verifyPlayer(f);
}

void TestSoundSlot::commitOfAnUnplayableFileCopiesItAndKeepsThePendingFile()
{
    SlotFixture f;
    writeBytes(f.objectSound("mp3"), "old mp3");
    f.slot.open(f.object);
    const QString picked = f.pick("broken.wav", FakePlayer::kUnplayable);
    ErrorOf([&] { f.slot.load(picked); });

    QCOMPARE(ErrorOf([&] { f.slot.commit(f.object); }), messages::cannotOpenSound(f.objectSound("wav"), "fake"));

    QCOMPARE(filesIn(f.object), QStringList{"Звук.wav"});
    QCOMPARE(bytesOf(f.objectSound("wav")), FakePlayer::kUnplayable);
    QCOMPARE(f.slot.currentFile(), f.objectSound("wav"));
    QCOMPARE(f.slot.pendingFile(), f.staged("wav"));
    QVERIFY(QFile::exists(f.staged("wav")));
    QVERIFY(!f.player->isOpen());

    f.slot.close();
    verifyEmpty(f);
    QCOMPARE(filesIn(f.staging()), QStringList());
}

void TestSoundSlot::rewindStopsOnlyAnOpenFile()
{
    SlotFixture f;
    f.slot.rewind();
    QCOMPARE(f.player->stops, 0);

    writeBytes(f.objectSound("wav"), FakePlayer::kUnplayable);
    ErrorOf([&] { f.slot.open(f.object); });
    f.slot.rewind();
    QCOMPARE(f.player->stops, 0);

    f.slot.load(f.pick("good.mp3", "good"));
    f.slot.play();
    f.slot.rewind();
    QVERIFY(!f.player->playing);
    QCOMPARE(f.player->stops, 1);
}

void TestSoundSlot::removeDeletesTheObjectSoundAtOnce_data()
{
    QTest::addColumn<bool>("staged");

    QTest::newRow("object sound") << false;
    QTest::newRow("staged over an object sound") << true;
}

void TestSoundSlot::removeDeletesTheObjectSoundAtOnce()
{
    QFETCH(bool, staged);

    SlotFixture f;
    writeBytes(f.objectSound("mp3"), "mp3");
    writeBytes(f.objectSound("wma"), "wma");
    writeBytes(JoinPath(f.object, names::kObjectTexture), "texture");
    f.slot.open(f.object);
    if (staged)
        f.slot.load(f.pick("picked.wav", "picked"));
    f.slot.play();

    f.slot.remove(f.object);

    verifyEmpty(f);
    QCOMPARE(filesIn(f.object), QStringList{names::kObjectTexture});
    QCOMPARE(filesIn(f.staging()), staged ? QStringList{"Звук.wav"} : QStringList());
    // Removed is empty: a save has nothing to move, and closing does not bring the sound back.
    f.slot.commit(f.object);
    f.slot.close();
    QCOMPARE(filesIn(f.object), QStringList{names::kObjectTexture});
    QCOMPARE(filesIn(f.staging()), QStringList());
    f.slot.open(f.object);
    verifyEmpty(f);
    verifyPlayer(f);
}

void TestSoundSlot::loadThenCloseLeavesTheObjectAsItWas()
{
    SlotFixture f;
    writeBytes(f.objectSound("mp3"), "object sound");
    f.slot.open(f.object);
    f.slot.load(f.pick("Выстрел.wav", "picked"));
    f.slot.play();

    f.slot.close();

    verifyEmpty(f);
    QCOMPARE(filesIn(f.object), QStringList{"Звук.mp3"});
    QCOMPARE(bytesOf(f.objectSound("mp3")), QByteArray("object sound"));
    QCOMPARE(filesIn(f.staging()), QStringList());
    // The next opening shows the object's own sound again.
    f.slot.open(f.object);
    verifyObjectSound(f, f.objectSound("mp3"));
    verifyPlayer(f);
}

void TestSoundSlot::closeRemovesEveryStagedFileOfTheSlot()
{
    SlotFixture f;
    // Left by an editor of an earlier run, and a staged file of another slot.
    writeBytes(f.staged("wma"), "left over");
    writeBytes(StagingPath(f.install, "Ходьба.wav"), "other slot");
    for (const QString &name : QStringList{"a.wav", "b.mp3", "c.WAV", "d.ogg"})
        f.slot.load(f.pick(name, name.toUtf8()));
    QCOMPARE(filesIn(f.staging()).size(), 6);

    f.slot.close();

    verifyEmpty(f);
    QCOMPARE(filesIn(f.staging()), QStringList{"Ходьба.wav"});
    verifyPlayer(f);
}

QTEST_GUILESS_MAIN(TestSoundSlot)
#include "tst_sound_slot.moc"
