// The template folder as the build made it: every file the editor copies into projects, readable,
// of the size and kind the editor and the game expect.

#include "core/catalogue/kinds.h"
#include "core/ini/ini_file.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/text/cp1251.h"
#include "core/text/text_file.h"
#include "core/treelist/tree_list.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QtTest>

using namespace vornik;

namespace {

const QString kSystemDir = QStringLiteral(VORNIK_BUILT_SYSTEM_DIR);

QString systemFile(const QString &name)
{
    return JoinPath(kSystemDir, name);
}

QImage readImage(const QString &name)
{
    QImageReader reader(systemFile(name));
    const QImage image = reader.read();
    if (image.isNull())
        qWarning() << name << reader.errorString();
    return image;
}

// The colour count of the bits per pixel field of a BMP file's header.
int bmpBitsPerPixel(const QString &name)
{
    const QByteArray bytes = ReadFileBytes(systemFile(name));
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return 0;
    return static_cast<unsigned char>(bytes[28]) | (static_cast<unsigned char>(bytes[29]) << 8);
}

int colourDistance(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
}

// Pixels of a picture that are nearly opaque and nearly white: the core of a muzzle flash.
int glaringPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 200 && qRed(p) > 235 && qGreen(p) > 235 && qBlue(p) > 200)
                ++count;
        }
    }
    return count;
}

QStringList kindIconNames()
{
    QStringList names;
    for (const KindInfo &kind : Kinds())
        names << names::iconTemplate(kind.kind);
    return names;
}

QStringList screenIconNames()
{
    return {names::kPlayerArmourIconTemplate, names::kPlayerHealthIconTemplate, names::kPlayerCardIconTemplate,
            names::kPlayerAmmoIconTemplate, names::kPlayerCrosshairIconTemplate};
}

QStringList textFileNames()
{
    QStringList files = {names::kGameTemplate, names::kStandardObjectList, names::kNotesTemplate};
    for (const KindInfo &kind : Kinds())
        files << names::settingsTemplate(kind.kind);
    return files;
}

} // namespace

class TestTemplates : public QObject {
    Q_OBJECT

private slots:
    void foldersBesideEachOther();
    void pictures_data();
    void pictures();
    void icons_data();
    void icons();
    void iconsDifferFromEachOther();
    void masks_data();
    void masks();
    void textFiles_data();
    void textFiles();
    void settingsDefaults_data();
    void settingsDefaults();
    void gameSettings();
    void wallHoldsOnlyTheMask();
    void objectList();
    void notes();
    void recentListExists();
    void enemyAnimations_data();
    void enemyAnimations();
    void weapons_data();
    void weapons();
    void weaponsDifferFromEachOther();
    void damageOverlayStrongerAtTheEdges();
};

void TestTemplates::foldersBesideEachOther()
{
    QVERIFY2(QFileInfo(kSystemDir).isDir(), qPrintable(kSystemDir));
    QDir dist(kSystemDir);
    QVERIFY(dist.cdUp());
    QVERIFY(QFileInfo(dist.filePath(names::kStagingFolder)).isDir());
}

void TestTemplates::pictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");       // exact, or the least size for textures
    QTest::addColumn<bool>("atLeast");
    QTest::addColumn<bool>("alpha");
    QTest::addColumn<bool>("clearCorner");   // a sprite or overlay with nothing in its corner

    const QSize icon(32, 32);
    const QSize screen(640, 480);
    for (const QString &name : kindIconNames() + screenIconNames())
        QTest::newRow(qPrintable(name)) << name << QByteArray("bmp") << icon << false << false << false;
    for (const KindInfo &kind : Kinds()) {
        const QString mask = names::maskTemplate(kind.kind);
        QTest::newRow(qPrintable(mask)) << mask << QByteArray("bmp") << QSize(1, 1) << true << false << false;
    }
    const QSize texture(64, 64);
    for (const QString &name : {names::kTextureWall, names::kTextureDoor, names::kFloorTemplate,
                                names::kCeilingTemplate})
        QTest::newRow(qPrintable(name)) << name << QByteArray("png") << texture << true << false << false;
    // Pick-up items are sprites in the game: their background is transparent.
    for (const QString &name : {names::kTextureHealth, names::kTextureCard, names::kTextureWeapon,
                                names::kTextureAmmo, names::kTextureArmour})
        QTest::newRow(qPrintable(name)) << name << QByteArray("png") << texture << true << true << true;
    for (const QString &name : {names::kTextureEnemyWalk, names::kTextureEnemyShoot})
        QTest::newRow(qPrintable(name)) << name << QByteArray("gif") << texture << true << true << true;
    for (int n = 1; n <= names::kWeaponCount; ++n) {
        for (int picture = 1; picture <= 2; ++picture) {
            const QString name = names::weaponPicture(n, picture);
            QTest::newRow(qPrintable(name)) << name << QByteArray("png") << screen << false << true << true;
        }
    }
    QTest::newRow("damage") << names::kDamageOverlay << QByteArray("png") << screen << false << true << false;
    QTest::newRow("win") << names::kWinScreen << QByteArray("png") << screen << false << false << false;
    QTest::newRow("lose") << names::kLoseScreen << QByteArray("png") << screen << false << false << false;
    QTest::newRow("menu") << names::kMenuBackground << QByteArray("png") << screen << false << false << false;
    for (const QString &name : {names::kMenuContinue, names::kMenuNewGame, names::kMenuSave, names::kMenuLoad,
                                names::kMenuExit})
        QTest::newRow(qPrintable(name)) << name << QByteArray("jpeg") << QSize(64, 16) << true << false << false;
}

void TestTemplates::pictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, atLeast);
    QFETCH(bool, alpha);
    QFETCH(bool, clearCorner);

    QVERIFY2(QFileInfo::exists(systemFile(name)), qPrintable(name));
    QImageReader reader(systemFile(name));
    // The format comes from the content: a picture with the wrong extension would fail here.
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    if (atLeast)
        QVERIFY2(image.width() >= size.width() && image.height() >= size.height(), qPrintable(name));
    else
        QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    if (format == "bmp")
        QCOMPARE(bmpBitsPerPixel(name), 24);
    if (clearCorner)
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);

    // Nothing is a blank sheet.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 3; ++y)
        for (int x = 0; x < image.width() && colours.size() < 3; ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() >= 2, qPrintable(name));
}

void TestTemplates::icons_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kindIconNames() + screenIconNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestTemplates::icons()
{
    QFETCH(QString, name);
    const QImage icon = readImage(name);
    QCOMPARE(icon.size(), QSize(32, 32));
    // The bottom-left pixel names the transparent colour: it is the background, and no drawn
    // pixel comes near it (a blended edge would show as a fringe on the map).
    const QRgb key = icon.pixel(0, icon.height() - 1);
    int background = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb pixel = icon.pixel(x, y);
            if (pixel == key) {
                ++background;
                continue;
            }
            QVERIFY2(colourDistance(pixel, key) > 90,
                     qPrintable(QStringLiteral("%1: (%2, %3) near the transparent colour").arg(name).arg(x).arg(y)));
        }
    }
    // A real drawing on a real background.
    QVERIFY2(background >= 32 && background <= 32 * 32 - 150, qPrintable(QString::number(background)));
}

void TestTemplates::iconsDifferFromEachOther()
{
    QSet<QByteArray> seen;
    for (const QString &name : kindIconNames() + screenIconNames()) {
        const QImage icon = readImage(name).convertToFormat(QImage::Format_RGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(name));
        seen.insert(pixels);
    }
}

void TestTemplates::masks_data()
{
    QTest::addColumn<QString>("kind");
    for (const KindInfo &kind : Kinds())
        QTest::newRow(qPrintable(kind.kind)) << kind.kind;
}

void TestTemplates::masks()
{
    QFETCH(QString, kind);
    const QImage mask = readImage(names::maskTemplate(kind));
    QVERIFY(!mask.isNull());
    const IniFile settings(systemFile(names::settingsTemplate(kind)));
    QCOMPARE(settings.readInteger("mas", "wid", -1), mask.width());
    QCOMPARE(settings.readInteger("mas", "hei", -1), mask.height());
    QCOMPARE(settings.readInteger("mas", "xse", -1), mask.width() / 2);
    QCOMPARE(settings.readInteger("mas", "yse", -1), mask.height() / 2);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool frame = x == 0 || y == 0 || x == mask.width() - 1 || y == mask.height() - 1;
            QCOMPARE(mask.pixelColor(x, y), frame ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
}

void TestTemplates::textFiles_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : textFileNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TestTemplates::textFiles()
{
    QFETCH(QString, name);
    const QByteArray bytes = ReadFileBytes(systemFile(name));
    QVERIFY(!bytes.isEmpty());
    QVERIFY2(!bytes.contains('\0'), "not a single-byte text");
    // CR LF ends every line, the last one included, and never stands alone.
    QVERIFY(bytes.endsWith("\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(QStringLiteral("lone LF at %1").arg(i)));
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', qPrintable(QStringLiteral("lone CR at %1").arg(i)));
    }
    // Windows-1251, not UTF-8: the text goes back to the same bytes, and holds no UTF-8 sequence
    // of a Cyrillic letter (0xD0 or 0xD1 followed by a continuation byte).
    QCOMPARE(EncodeCp1251(DecodeCp1251(bytes)), bytes);
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const auto next = static_cast<unsigned char>(bytes[i + 1]);
        QVERIFY2(!((lead == 0xD0 || lead == 0xD1) && next >= 0x80 && next < 0xC0), "UTF-8 Cyrillic");
    }
    if (name.endsWith(QStringLiteral(".ini")))
        QVERIFY2(bytes.startsWith("[mas]\r\n"), "the mask section comes first");
}

void TestTemplates::settingsDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const auto row = [](const QString &kind, const QString &section, const QString &key, const QString &value) {
        QTest::addRow("%s %s %s", qPrintable(kind), qPrintable(section), qPrintable(key)) << kind << section << key
                                                                                         << value;
    };
    namespace k = kinds;
    row(k::kHealth, "hel", "zdo", "100");
    row(k::kCard, "par", "uro", "0");
    row(k::kWeapon, "hel", "zdo", "0");
    row(k::kAmmo, "hel", "zdo", "0");
    row(k::kAmmo, "hel", "bro", "32");
    row(k::kArmour, "hel", "bro", "100");
    row(k::kEnemy, "hel", "zdo", "100");
    row(k::kEnemy, "hel", "bro", "30");
    row(k::kEnemy, "hel", "yro", "10");
    row(k::kEnemy, "param", "a1", "1");
    row(k::kEnemy, "param", "a2", "1");
    row(k::kDoor, "hel", "zdo", "0");
    row(k::kLight, "hel", "zdo", "200");
    row(k::kLight, "hel", "bro", "500");
    row(k::kLight, "hel", "ch", "0");
    row(k::kLight, "hel", "col", "0");
    row(k::kZone, "param", "1", "0");
    row(k::kVideo, "param", "1", "0");
    row(k::kAudio, "param", "1", "0");
    row(k::kAudio, "param", "2", "0");
    row(k::kPlayer, "dan", "zdo", "100");
    row(k::kPlayer, "dan", "bro", "0");
    // The player editor's weapon pages as they first show.
    const int weapons[9][4] = {{30, 32, 10, 1},  {10, 200, 25, 1}, {15, 160, 22, 1}, {20, 120, 20, 0}, {25, 90, 18, 0},
                               {30, 300, 16, 0}, {35, 170, 12, 0}, {50, 1200, 9, 0}, {120, 50, 50, 0}};
    for (int n = 1; n <= 9; ++n) {
        const QString section = QStringLiteral("Weapon%1").arg(n);
        row(k::kPlayer, section, "Health", QString::number(weapons[n - 1][0]));
        row(k::kPlayer, section, "Max", QString::number(weapons[n - 1][1]));
        row(k::kPlayer, section, "Timer", QString::number(weapons[n - 1][2]));
        row(k::kPlayer, "Weapon", QString::number(n), QString::number(weapons[n - 1][3]));
    }
    for (int i = 1; i <= 5; ++i)
        row(k::kPlayer, "font", QStringLiteral("color%1").arg(i), "0");
}

void TestTemplates::settingsDefaults()
{
    QFETCH(QString, kind);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const IniFile settings(systemFile(names::settingsTemplate(kind)));
    QCOMPARE(settings.readString(section, key, QStringLiteral("<missing>")), value);
}

void TestTemplates::gameSettings()
{
    const IniFile game(systemFile(names::kGameTemplate));
    for (const QString key : {"avtor", "icq", "E-mail", "versija", "licensija", "nomer", "sajt"})
        QCOMPARE(game.readString("globalnie", key, QStringLiteral("<missing>")), QString());
    QCOMPARE(game.readString("test", "level", QStringLiteral("<missing>")), QStringLiteral("0"));
}

void TestTemplates::wallHoldsOnlyTheMask()
{
    QCOMPARE(ReadTextLines(systemFile(names::settingsTemplate(kinds::kWall))),
             QStringList({"[mas]", "wid=32", "hei=32", "xse=16", "yse=16"}));
}

void TestTemplates::objectList()
{
    TreeList tree;
    tree.load(systemFile(names::kStandardObjectList));
    QCOMPARE(tree.count(), static_cast<int>(Kinds().size()));
    int item = 1;
    for (const KindInfo &kind : Kinds()) {
        QCOMPARE(tree.text(item), kind.category);
        QCOMPARE(tree.depth(item), 0);
        ++item;
    }
}

void TestTemplates::notes()
{
    QCOMPARE(ReadTextLines(systemFile(names::kNotesTemplate)),
             QStringList{QStringLiteral("Любая ваша информация об объекте")});
}

void TestTemplates::recentListExists()
{
    QVERIFY(QFileInfo(systemFile(names::kRecentProjects)).isFile());
}

void TestTemplates::enemyAnimations_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("leastFrames");
    QTest::newRow("walking") << names::kTextureEnemyWalk << 4;
    QTest::newRow("shooting") << names::kTextureEnemyShoot << 2;
}

void TestTemplates::enemyAnimations()
{
    QFETCH(QString, name);
    QFETCH(int, leastFrames);
    QImageReader reader(systemFile(name));
    QVERIFY(reader.supportsAnimation());
    QVERIFY2(reader.imageCount() >= leastFrames, qPrintable(QString::number(reader.imageCount())));
    QCOMPARE(reader.loopCount(), -1);   // forever
    QSet<QByteArray> frames;
    for (int i = 0; i < reader.imageCount(); ++i) {
        const QImage frame = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
        QVERIFY(reader.nextImageDelay() > 0);
        QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(frame.pixel(frame.width() - 1, frame.height() - 1)), 0);
        int opaque = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                opaque += qAlpha(frame.pixel(x, y)) == 255;
        QVERIFY2(opaque > frame.width() * frame.height() / 10, "the enemy is drawn");
        frames.insert(QByteArray(reinterpret_cast<const char *>(frame.constBits()), frame.sizeInBytes()));
    }
    // The frames move: at least two of them differ.
    QVERIFY(frames.size() >= 2);
}

void TestTemplates::weapons_data()
{
    QTest::addColumn<int>("weapon");
    for (int n = 1; n <= names::kWeaponCount; ++n)
        QTest::addRow("weapon %d", n) << n;
}

void TestTemplates::weapons()
{
    QFETCH(int, weapon);
    const QImage idle = readImage(names::weaponPicture(weapon, 1)).convertToFormat(QImage::Format_ARGB32);
    const QImage firing = readImage(names::weaponPicture(weapon, 2)).convertToFormat(QImage::Format_ARGB32);
    for (const QImage &picture : {idle, firing}) {
        QCOMPARE(picture.size(), QSize(640, 480));
        // The weapon rises from the bottom centre; the top of the screen stays clear.
        QVERIFY(qAlpha(picture.pixel(320, 470)) == 255 || qAlpha(picture.pixel(330, 470)) == 255);
        for (int x = 0; x < picture.width(); x += 8)
            QCOMPARE(qAlpha(picture.pixel(x, 10)), 0);
        QCOMPARE(qAlpha(picture.pixel(5, 470)), 0);
    }
    QVERIFY(idle != firing);
    QVERIFY2(glaringPixels(firing) > glaringPixels(idle) + 50, "the firing picture has its muzzle flash");
}

void TestTemplates::weaponsDifferFromEachOther()
{
    QSet<QByteArray> seen;
    for (int n = 1; n <= names::kWeaponCount; ++n) {
        const QImage idle = readImage(names::weaponPicture(n, 1)).convertToFormat(QImage::Format_ARGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(idle.constBits()), idle.sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(QString::number(n)));
        seen.insert(pixels);
    }
}

void TestTemplates::damageOverlayStrongerAtTheEdges()
{
    const QImage overlay = readImage(names::kDamageOverlay).convertToFormat(QImage::Format_ARGB32);
    const QRgb centre = overlay.pixel(overlay.width() / 2, overlay.height() / 2);
    const QRgb corner = overlay.pixel(2, 2);
    QVERIFY(qAlpha(centre) < 40);
    QVERIFY(qAlpha(corner) > 120 && qAlpha(corner) < 255);   // translucent, not a wall of red
    QVERIFY(qRed(corner) > 150 && qGreen(corner) < 60 && qBlue(corner) < 60);
}

QTEST_MAIN(TestTemplates)
#include "tst_templates.moc"
