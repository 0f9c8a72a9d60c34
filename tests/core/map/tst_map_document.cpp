#include "core/error/vornik_error.h"
#include "core/map/icon_cache.h"
#include "core/map/map_document.h"
#include "core/map/transparent_icon.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace vornik;

namespace {

std::shared_ptr<const QImage> pictureOfSize(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    return std::make_shared<const QImage>(image);
}

// The answers the spatial index must give, worked out over the whole list.
int bruteTopmost(const MapDocument &map, QPoint point)
{
    for (int index = map.count() - 1; index >= 0; --index) {
        if (map.entry(index).area().contains(point))
            return index;
    }
    return -1;
}

std::vector<int> bruteEntriesIn(const MapDocument &map, const QRect &area)
{
    std::vector<int> result;
    for (int index = 0; index < map.count(); ++index) {
        if (map.entry(index).area().intersects(area))
            result.push_back(index);
    }
    return result;
}

int bruteFirstAt(const MapDocument &map, QPoint position, int except)
{
    for (int index = 0; index < map.count(); ++index) {
        if (index != except && map.entry(index).position == position)
            return index;
    }
    return -1;
}

QStringList tagsOf(const MapDocument &map)
{
    QStringList tags;
    for (const PlacedObject &entry : map.entries())
        tags << entry.tag;
    return tags;
}

} // namespace

class TestMapDocument : public QObject {
    Q_OBJECT

private slots:
    void deletingRenumbersLaterEntries();
    void announcesWhatToRepaint();
    void bulkChangeAnnouncesOneReset();
    void hitTestsLikeAScanOfTheList();
    void entriesWithoutPictureAreFoundOnlyByPosition();
    void bottomLeftColourBecomesTransparent();
    void iconsAreSharedUntilTheirFileChanges();
    void iconErrors();
};

void TestMapDocument::deletingRenumbersLaterEntries()
{
    MapDocument map;
    const auto picture = pictureOfSize(32, 32);
    map.add({0, 0}, "[Стена]A", picture);
    map.add({32, 0}, "[Стена]B", picture);
    map.add({64, 0}, "[Стена]C", picture);
    map.remove(0);
    QCOMPARE(tagsOf(map), QStringList({"[Стена]B", "[Стена]C"}));
    // The index follows the renumbering: the entry now at 0 is B.
    QCOMPARE(map.topmostAt({40, 10}), 0);
    QCOMPARE(map.topmostAt({70, 10}), 1);
    QCOMPARE(map.topmostAt({10, 10}), -1);
    QCOMPARE(map.firstAt({64, 0}), 1);
}

void TestMapDocument::announcesWhatToRepaint()
{
    MapDocument map;
    QSignalSpy changed(&map, &MapDocument::entryChanged);
    QSignalSpy reset(&map, &MapDocument::reset);
    const int index = map.add({10, 20}, "[Стена]A", pictureOfSize(24, 16));
    map.move(index, {50, 60});
    map.move(index, {50, 60});   // no change, nothing to repaint
    map.setPicture(index, nullptr);
    map.remove(index);
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(0).at(0).toRect(), QRect());
    QCOMPARE(changed.at(0).at(1).toRect(), QRect(10, 20, 24, 16));
    QCOMPARE(changed.at(1).at(0).toRect(), QRect(10, 20, 24, 16));
    QCOMPARE(changed.at(1).at(1).toRect(), QRect(50, 60, 24, 16));
    QCOMPARE(changed.at(2).at(0).toRect(), QRect(50, 60, 24, 16));
    QVERIFY(changed.at(2).at(1).toRect().isEmpty());
    map.add({0, 0}, "[Стена]A", nullptr);
    map.clear();
    QCOMPARE(reset.count(), 1);
    QVERIFY(map.isEmpty());

    QSignalSpy resized(&map, &MapDocument::canvasSizeChanged);
    map.setCanvasSize(MapDocument::kDefaultCanvasSize);
    map.setCanvasSize({4000, 3000});
    QCOMPARE(resized.count(), 1);
}

void TestMapDocument::bulkChangeAnnouncesOneReset()
{
    MapDocument map;
    QSignalSpy changed(&map, &MapDocument::entryChanged);
    QSignalSpy reset(&map, &MapDocument::reset);
    {
        MapDocument::BulkChange outer(map);
        {
            MapDocument::BulkChange inner(map);
            map.add({0, 0}, "[Стена]A", pictureOfSize(32, 32));
            map.clear();
            map.add({0, 0}, "[Стена]A", pictureOfSize(32, 32));
        }
        QCOMPARE(reset.count(), 0);
    }
    QCOMPARE(changed.count(), 0);
    QCOMPARE(reset.count(), 1);
}

void TestMapDocument::hitTestsLikeAScanOfTheList()
{
    // Random adds, deletes, moves and picture changes, with negative positions, entries without
    // picture, icons spanning many buckets and stacks on one point; after each step the index
    // must agree with a scan of the whole list.
    QRandomGenerator random(20240601);
    MapDocument map;
    const std::vector<std::shared_ptr<const QImage>> pictures = {
        nullptr, pictureOfSize(32, 32), pictureOfSize(24, 16), pictureOfSize(200, 130), pictureOfSize(1, 1)};
    const auto randomPoint = [&] { return QPoint(random.bounded(-100, 600), random.bounded(-100, 600)); };
    const auto randomGridPoint = [&] { return QPoint(random.bounded(-2, 12) * 32, random.bounded(-2, 12) * 32); };
    for (int step = 0; step < 3000; ++step) {
        const int action = random.bounded(10);
        if (action < 5 || map.isEmpty()) {
            map.add(random.bounded(2) ? randomGridPoint() : randomPoint(), "[Стена]A",
                    pictures[random.bounded(int(pictures.size()))]);
        } else if (action < 7) {
            map.remove(random.bounded(map.count()));
        } else if (action < 9) {
            map.move(random.bounded(map.count()), random.bounded(2) ? randomGridPoint() : randomPoint());
        } else {
            map.setPicture(random.bounded(map.count()), pictures[random.bounded(int(pictures.size()))]);
        }
        if (step == 2000)
            map.clear();
        const QPoint probe = randomPoint();
        QCOMPARE(map.topmostAt(probe), bruteTopmost(map, probe));
        const QPoint gridProbe = randomGridPoint();
        const int except = map.isEmpty() ? -1 : random.bounded(map.count());
        QCOMPARE(map.firstAt(gridProbe, except), bruteFirstAt(map, gridProbe, except));
        const QRect area(randomPoint(), QSize(random.bounded(1, 300), random.bounded(1, 300)));
        QCOMPARE(map.entriesIn(area), bruteEntriesIn(map, area));
    }
    const QRect everything(-1000, -1000, 4000, 4000);
    QCOMPARE(map.entriesIn(everything), bruteEntriesIn(map, everything));
}

void TestMapDocument::entriesWithoutPictureAreFoundOnlyByPosition()
{
    MapDocument map;
    map.add({64, 32}, "[Стена]Невидимка", nullptr);
    QCOMPARE(map.topmostAt({64, 32}), -1);
    QVERIFY(map.entriesIn(QRect(0, 0, 200, 200)).empty());
    QCOMPARE(map.firstAt({64, 32}), 0);
    QCOMPARE(map.firstAt({64, 32}, 0), -1);
}

void TestMapDocument::bottomLeftColourBecomesTransparent()
{
    QImage icon(4, 3, QImage::Format_RGB888);
    icon.fill(QColor(255, 0, 255));
    icon.setPixelColor(1, 1, QColor(10, 20, 30));
    icon.setPixelColor(2, 0, QColor(255, 0, 254));
    const QImage painted = TransparentIcon(icon);
    QCOMPARE(painted.size(), icon.size());
    QCOMPARE(painted.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(qAlpha(painted.pixel(0, 2)), 0);
    QCOMPARE(qAlpha(painted.pixel(3, 0)), 0);
    QCOMPARE(painted.pixelColor(1, 1), QColor(10, 20, 30));
    QCOMPARE(painted.pixelColor(2, 0), QColor(255, 0, 254));
}

void TestMapDocument::iconsAreSharedUntilTheirFileChanges()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Иконка.bmp");
    QImage first(32, 32, QImage::Format_RGB888);
    first.fill(Qt::blue);
    QVERIFY(first.save(path, "BMP"));
    IconCache cache;
    const auto icon = cache.icon(path);
    QVERIFY(icon);
    QCOMPARE(cache.icon(path).get(), icon.get());

    QImage second(24, 16, QImage::Format_RGB888);
    second.fill(Qt::green);
    QVERIFY(second.save(path, "BMP"));
    const auto changed = cache.icon(path);
    QCOMPARE(changed->size(), QSize(24, 16));
    QCOMPARE(icon->size(), QSize(32, 32));   // copies that hold the old icon keep it

    const auto reloaded = cache.reload(path);
    QVERIFY(reloaded.get() != changed.get());
    QCOMPARE(cache.icon(path).get(), reloaded.get());

    QVERIFY(QFile::remove(path));
    QVERIFY(!cache.icon(path));
}

void TestMapDocument::iconErrors()
{
    QTemporaryDir dir;
    IconCache cache;
    const QString missing = dir.filePath("Иконка.bmp");
    try {
        cache.reload(missing);
        QFAIL("no error for a missing icon");
    } catch (const VornikError &error) {
        QVERIFY(error.message().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
    }
    QFile broken(missing);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    try {
        cache.icon(missing);
        QFAIL("no error for a file that is no picture");
    } catch (const VornikError &error) {
        QCOMPARE(error.message(), QStringLiteral("Bitmap image is not valid"));
    }
}

QTEST_GUILESS_MAIN(TestMapDocument)
#include "tst_map_document.moc"
