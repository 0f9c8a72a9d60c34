#include "core/error/messages.h"
#include "core/media/qt_media_player.h"
#include "core/media/sound_slot.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "support/error_of.h"

#include <QMediaFormat>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace vornik;
using vornik::test::ErrorOf;

namespace {

// A mono 16-bit PCM WAV file of a sine tone.
QByteArray sineWave(int frequency, int milliseconds)
{
    constexpr int kRate = 8000;
    constexpr int kBytesPerSample = 2;
    const int samples = kRate * milliseconds / 1000;
    const auto le32 = [](quint32 value) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    const auto le16 = [](quint16 value) {
        QByteArray bytes(2, '\0');
        qToLittleEndian(value, bytes.data());
        return bytes;
    };
    QByteArray data;
    for (int i = 0; i < samples; ++i)
        data += le16(quint16(qint16(12000 * std::sin(2 * std::numbers::pi * frequency * i / kRate))));

    QByteArray wav = "RIFF" + le32(36 + data.size()) + "WAVE";
    wav += "fmt " + le32(16) + le16(1) + le16(1) + le32(kRate) + le32(kRate * kBytesPerSample)
           + le16(kBytesPerSample) + le16(16);
    wav += "data" + le32(data.size()) + data;
    return wav;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether this process has the file open, also after it was deleted: a player that keeps a file
// open would lock it on other systems.
bool heldByProcess(const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QString deleted = target + QStringLiteral(" (deleted)");
    QDirIterator descriptors("/proc/self/fd", QDir::Files | QDir::System);
    while (descriptors.hasNext()) {
        descriptors.next();
        const QString link = descriptors.fileInfo().symLinkTarget();
        if (link == target || link == deleted)
            return true;
    }
    return false;
}

} // namespace

class TestQtMediaPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAShortWaveFileReadyToPlay();
    void playsAndStopsAtTheStart();
    void refusesAFileItCannotPlay_data();
    void refusesAFileItCannotPlay();
    void closeReleasesTheFile();
    void slotReplacesAndRemovesTheSoundItHasOpen();

private:
    QTemporaryDir m_dir;
};

void TestQtMediaPlayer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QMediaFormat().supportedFileFormats(QMediaFormat::Decode).isEmpty())
        QSKIP("Qt Multimedia found no media backend here, so no file can be loaded");
}

void TestQtMediaPlayer::opensAShortWaveFileReadyToPlay()
{
    const QString path = JoinPath(m_dir.path(), "Звук.wav");
    writeBytes(path, sineWave(440, 300));
    QtMediaPlayer player;
    QVERIFY(!player.isOpen());

    player.open(path);

    QVERIFY(player.isOpen());
}

void TestQtMediaPlayer::playsAndStopsAtTheStart()
{
    const QString path = JoinPath(m_dir.path(), "play.wav");
    writeBytes(path, sineWave(440, 300));
    QtMediaPlayer player;
    player.open(path);

    player.play();
    player.stop();
    player.play();
    player.stop();

    QVERIFY(player.isOpen());
}

void TestQtMediaPlayer::refusesAFileItCannotPlay_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");

    QTest::newRow("garbage") << QByteArray(4096, '\x5a') << true;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("missing file") << QByteArray() << false;
}

void TestQtMediaPlayer::refusesAFileItCannotPlay()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);

    const QString path = JoinPath(m_dir.path(), QStringLiteral("Плохой %1.mp3").arg(QTest::currentDataTag()));
    if (exists)
        writeBytes(path, bytes);
    QtMediaPlayer player;

    const QString error = ErrorOf([&] { player.open(path); });

    QVERIFY2(error.startsWith(messages::cannotOpenSound(path, QString())), qPrintable(error));
    QVERIFY2(error.size() > messages::cannotOpenSound(path, QString()).size(), "the reason is missing");
    QVERIFY(!player.isOpen());
    QVERIFY(!heldByProcess(path));
    // A refused file leaves the player usable.
    const QString good = JoinPath(m_dir.path(), "good.wav");
    writeBytes(good, sineWave(330, 200));
    player.open(good);
    QVERIFY(player.isOpen());
}

void TestQtMediaPlayer::closeReleasesTheFile()
{
    const QString first = JoinPath(m_dir.path(), "first.wav");
    const QString second = JoinPath(m_dir.path(), "second.wav");
    writeBytes(first, sineWave(440, 300));
    writeBytes(second, sineWave(550, 300));
    QtMediaPlayer player;

    player.open(first);
    player.play();
    player.open(second);
    QTRY_VERIFY(!heldByProcess(first));

    player.close();
    QVERIFY(!player.isOpen());
    QTRY_VERIFY(!heldByProcess(second));
    player.close();
}

void TestQtMediaPlayer::slotReplacesAndRemovesTheSoundItHasOpen()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath(JoinPath("install", names::kStagingFolder));
    QDir(root.path()).mkpath("object");
    const QString install = JoinPath(root.path(), "install/");
    const QString object = JoinPath(root.path(), "object");
    const QString objectSound = JoinPath(object, names::kSoundSlot + ".wav");
    const QString picked = JoinPath(root.path(), "Выстрел.WAV");
    const QByteArray oldSound = sineWave(440, 300);
    const QByteArray newSound = sineWave(880, 400);
    writeBytes(objectSound, oldSound);
    writeBytes(picked, newSound);
    SoundSlot slot(names::kSoundSlot, install, std::make_unique<QtMediaPlayer>());

    slot.open(object);
    QCOMPARE(slot.currentFile(), objectSound);
    QVERIFY(heldByProcess(objectSound));
    slot.play();
    slot.load(picked);
    const QString staged = StagingPath(install, names::kSoundSlot + ".WAV");
    QCOMPARE(slot.pendingFile(), staged);
    QTRY_VERIFY(!heldByProcess(objectSound));
    slot.commit(object);

    QCOMPARE(slot.currentFile(), objectSound);
    QCOMPARE(slot.pendingFile(), QString());
    QCOMPARE(bytesOf(objectSound), newSound);
    QTRY_VERIFY(!heldByProcess(staged));
    QVERIFY(heldByProcess(objectSound));
    QCOMPARE(QDir(StagingPath(install, QString())).entryList(QDir::Files), QStringList());
    slot.play();
    slot.stop();

    slot.remove(object);
    QVERIFY(!QFile::exists(objectSound));
    QTRY_VERIFY(!heldByProcess(objectSound));
    slot.close();
}

QTEST_GUILESS_MAIN(TestQtMediaPlayer)
#include "tst_qt_media_player.moc"
