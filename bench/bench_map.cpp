// Timing of the map document with 100,000 placed objects of 20 objects: loading and saving the map
// file, finding the topmost entry under a point, one canvas timer tick while dragging, and one
// repaint of a full canvas view.

#include "core/interaction/dialogs.h"
#include "core/interaction/progress.h"
#include "core/interaction/shell.h"
#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/map/map_operations.h"
#include "core/project/editor_context.h"
#include "core/project/names.h"
#include "core/project/open_project.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"
#include "core/treelist/tree_list.h"
#include "ui/canvas_widget.h"

#include <QApplication>
#include <QScrollArea>

#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace vornik;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kObjects = 20;
constexpr int kPlaced = 100000;
constexpr int kCanvasSide = 6400;
constexpr int kGrid = 32;
constexpr int kRuns = 5;
constexpr int kProbes = 200000;

class SilentDialogs : public Dialogs {
public:
    bool askYesNo(const QString &) override { return false; }
    QString inputText(const QString &, const QString &, const QString &defaultText) override { return defaultText; }
    QString chooseOpenFile(const QString &) override { return {}; }
    QString chooseSaveFile(const QString &) override { return {}; }
    void showMessage(const QString &text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
};

class SilentProgress : public Progress {
public:
    void setText(const QString &) override {}
    void show() override {}
    void hide() override {}
};

class SilentShell : public Shell {
public:
    void startProgram(const QString &, const QString &) override {}
    void openFolder(const QString &) override {}
    void openAddress(const QString &) override {}
};

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString objectName(int object)
{
    return QStringLiteral("Объект%1").arg(object);
}

// A project folder with 20 wall objects, each with its own 32 × 32 icon, and a map file of
// 100,000 copies on grid points of the canvas.
void makeProject(const QString &folder, const QString &mapName)
{
    QDir().mkpath(MapsFolderPath(folder));
    for (int object = 0; object < kObjects; ++object) {
        const QString objectFolder = ObjectFolderPath(folder, objectName(object));
        QDir().mkpath(objectFolder);
        QImage icon(kGrid, kGrid, QImage::Format_RGB888);
        icon.fill(QColor::fromHsv(object * 18, 200, 200));
        icon.save(JoinPath(objectFolder, names::kObjectIcon), "BMP");
    }
    QRandomGenerator random(7);
    QByteArray file = QByteArray::number(kCanvasSide) + "\r\n" + QByteArray::number(kCanvasSide) + "\r\n"
                      + QByteArray::number(kPlaced - 1) + "\r\n";
    for (int placed = 0; placed < kPlaced; ++placed) {
        const QString tag = QStringLiteral("[Стена]") + objectName(random.bounded(kObjects));
        file += EncodeCp1251(tag) + ' ' + QByteArray::number(random.bounded(kCanvasSide / kGrid) * kGrid) + ' '
                + QByteArray::number(random.bounded(kCanvasSide / kGrid) * kGrid) + "\r\n";
    }
    WriteFileBytes(MapFilePath(folder, mapName), file);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = JoinPath(dir.path(), QStringLiteral("Проект"));
    const QString mapName = QStringLiteral("Карта1");
    makeProject(folder, mapName);

    OpenProject project;
    project.projectFolder = folder;
    project.gameName = names::kGameName;
    TreeList objectTree;
    TreeList mapList;
    TreeList recentProjects;
    MapDocument map;
    CanvasController canvas;
    SilentDialogs dialogs;
    SilentProgress progress;
    SilentShell shell;
    EditorContext context{dir.path(), project, objectTree, mapList, recentProjects, map, canvas, dialogs, progress,
                          shell};

    std::vector<double> loads;
    std::vector<double> saves;
    for (int run = 0; run < kRuns; ++run) {
        auto start = Clock::now();
        LoadMap(context, mapName);
        loads.push_back(millisecondsSince(start));
        start = Clock::now();
        SaveMap(context, mapName);
        saves.push_back(millisecondsSince(start));
    }
    std::printf("map of %d placed objects of %d objects\n", map.count(), kObjects);
    std::printf("LoadMap:            %8.1f ms (median of %d)\n", median(loads), kRuns);
    std::printf("SaveMap:            %8.1f ms (median of %d)\n", median(saves), kRuns);

    QRandomGenerator random(11);
    std::vector<QPoint> probes(kProbes);
    for (QPoint &probe : probes)
        probe = QPoint(random.bounded(kCanvasSide), random.bounded(kCanvasSide));
    int hits = 0;
    auto start = Clock::now();
    for (const QPoint &probe : probes)
        hits += map.topmostAt(probe) >= 0;
    const double hitTest = millisecondsSince(start) * 1000.0 / kProbes;
    std::printf("topmost entry hit:  %8.2f us per point (%d of %d points hit)\n", hitTest, hits, kProbes);

    // Drag the entry under the first probe that hits anything across the canvas.
    const auto first = std::find_if(probes.begin(), probes.end(), [&](QPoint p) { return map.topmostAt(p) >= 0; });
    canvas.pressOnEntry(context, map.topmostAt(*first), Qt::LeftButton, CanvasPointer{*first});
    start = Clock::now();
    for (const QPoint &probe : probes)
        canvas.tick(context, CanvasPointer{probe});
    const double tick = millisecondsSince(start) * 1000.0 / kProbes;
    std::printf("tick while dragging:%8.2f us per tick\n", tick);
    canvas.releaseHeldObject();

    // A full view of a maximised window, repainted at scroll positions all over the canvas.
    constexpr int kViewWidth = 1400;
    constexpr int kViewHeight = 900;
    constexpr int kRepaints = 200;
    CanvasWidget widget(context);
    widget.view()->resize(kViewWidth, kViewHeight);
    widget.view()->show();
    QImage frame(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    std::vector<double> repaints;
    for (int repaint = 0; repaint < kRepaints; ++repaint) {
        const QPoint corner(random.bounded(kCanvasSide - kViewWidth), random.bounded(kCanvasSide - kViewHeight));
        start = Clock::now();
        widget.render(&frame, QPoint(), QRegion(QRect(corner, frame.size())), QWidget::RenderFlags());
        repaints.push_back(millisecondsSince(start));
    }
    std::printf("repaint of a %dx%d view: %6.2f ms (median of %d)\n", kViewWidth, kViewHeight, median(repaints),
                kRepaints);
    return 0;
}
