#include "core/map/canvas_controller.h"

#include "core/catalogue/kind_tag.h"
#include "core/map/integer_text.h"
#include "core/map/map_document.h"
#include "core/map/map_operations.h"
#include "core/map/placed_icon_path.h"
#include "core/map/progress_hiding.h"
#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/treelist/tree_list.h"

#include <optional>

namespace vornik {

namespace {

// The labels of the group "Курсор" at rest are written with Cyrillic Х and У; the timer's texts
// use Latin X and Y.
const QString kCursorXAtRest = QStringLiteral("Курсор Х:");
const QString kCursorYAtRest = QStringLiteral("Курсор У:");
const QString kGridXAtRest = QStringLiteral("Сетка Х:");
const QString kGridYAtRest = QStringLiteral("Сетка У:");
const QString kCursorX = QStringLiteral("Курсор X: ");
const QString kCursorY = QStringLiteral("Курсор Y: ");
const QString kGridX = QStringLiteral("Сетка X: ");
const QString kGridY = QStringLiteral("Сетка Y: ");

constexpr int kGridStepLimit = 256;   // steps are 1 to 255

bool isValidIndex(const EditorContext &context, int index)
{
    return index >= 0 && index < context.map.count();
}

// The kind tag of the object tree's selected line when it is an object line.
std::optional<QString> selectedObjectTag(const TreeList &objectTree)
{
    if (objectTree.isEmpty())
        return std::nullopt;
    QString line = objectTree.text(objectTree.selected());
    if (KindOfTag(line).isEmpty())
        return std::nullopt;
    return line;
}

// A whole number from 1 to 255 becomes the step; the step stays for anything else, and text that
// is no number is reported after that.
void applyGridText(const QString &text, int &step)
{
    if (text.isEmpty())
        return;
    const int value = ParseInteger(text);
    if (value > 0 && value < kGridStepLimit)
        step = value;
}

} // namespace

CanvasController::CanvasController(QObject *parent)
    : QObject(parent)
    , m_cursorXLabel(kCursorXAtRest)
    , m_cursorYLabel(kCursorYAtRest)
    , m_gridXLabel(kGridXAtRest)
    , m_gridYLabel(kGridYAtRest)
{
}

void CanvasController::pressOnCanvas(EditorContext &context, Qt::MouseButton button, const CanvasPointer &pointer)
{
    m_canvasButtonDown = true;
    if (button == Qt::LeftButton && m_armed) {
        m_armed = false;
        if (placeSelectedObject(context, gridPoint(pointer.position)) && pointer.shift)
            releaseHeldObject();
    }
    if (button == Qt::RightButton)
        m_eraseMode = true;
}

void CanvasController::releaseOnCanvas(Qt::MouseButton button)
{
    m_canvasButtonDown = false;
    releaseHeldObject();
    if (button == Qt::RightButton)
        m_eraseMode = false;
    m_armed = true;
}

void CanvasController::pressOnEntry(EditorContext &context, int index, Qt::MouseButton button,
                                    const CanvasPointer &pointer)
{
    if (!isValidIndex(context, index))
        return;
    m_heldWasPicked = true;
    context.project.mapModified = true;
    if (button == Qt::LeftButton) {
        if (index != m_held)
            m_held = index;
        else if (pointer.shift)
            m_held = AddPlacedObject(context, kOffMapPosition.x(), kOffMapPosition.y());
    }
    if (button == Qt::RightButton) {
        DeletePlacedObject(context, index);
        m_eraseMode = true;
    }
}

void CanvasController::releaseOnEntry(EditorContext &context, int index, Qt::MouseButton button,
                                      const CanvasPointer &pointer)
{
    if (!isValidIndex(context, index))
        return;
    context.project.mapModified = true;
    if (button != Qt::LeftButton || index != m_held)
        return;
    if (m_deleteOnOverlap) {
        const int covered = context.map.firstAt(gridPoint(pointer.position), index);
        if (covered >= 0)
            DeletePlacedObject(context, covered);
    }
    releaseHeldObject();
}

void CanvasController::moveOverEntry(EditorContext &context, int index)
{
    if (!m_eraseMode || !isValidIndex(context, index))
        return;
    DeletePlacedObject(context, index);
    context.project.mapModified = true;
}

void CanvasController::tick(EditorContext &context, const CanvasPointer &pointer)
{
    const QPoint grid = gridPoint(pointer.position);
    if (pointer.inside) {
        setLabels(pointer.position, grid);
    } else {
        m_eraseMode = false;
        m_canvasButtonDown = false;
    }

    // The Shift brush paints one copy on every new grid point the pointer enters.
    if (m_canvasButtonDown && pointer.shift && grid != m_lastPaintedCell) {
        m_lastPaintedCell = grid;
        m_armed = false;
        if (!selectedObjectTag(context.objectTree))
            return;
        if (m_deleteOnOverlap) {
            const int covered = context.map.firstAt(grid);
            if (covered >= 0)
                DeletePlacedObject(context, covered);
        }
        placeSelectedObject(context, grid);
        releaseHeldObject();
    }

    if (m_held == kNoObject)
        return;
    if (m_autoGrid)
        adaptGridToHeldObject(context);
    moveHeldObject(context, pointer, grid);
}

void CanvasController::setGridWidthText(const QString &text)
{
    m_gridWidthText = text;
    applyGridText(text, m_gridStepX);
}

void CanvasController::setGridHeightText(const QString &text)
{
    m_gridHeightText = text;
    applyGridText(text, m_gridStepY);
}

void CanvasController::clickAutoGrid(bool ticked)
{
    m_autoGrid = ticked;
    applyGridText(m_gridWidthText, m_gridStepX);
    applyGridText(m_gridHeightText, m_gridStepY);
}

void CanvasController::refreshPlacedIcons(EditorContext &context, const QString &kindPrefix, const QString &name)
{
    ProgressHiding hiding(context.progress);
    if (!StaysInObjectsFolder(name))
        return;
    MapDocument &map = context.map;
    const QString tag = kindPrefix + name;
    std::optional<MapDocument::BulkChange> bulk;
    std::shared_ptr<const QImage> picture;
    for (int index = 0; index < map.count(); ++index) {
        if (map.entry(index).tag != tag)
            continue;
        if (!bulk) {
            picture = map.icons().reload(PlacedIconPath(context.project.projectFolder, name));
            bulk.emplace(map);
        }
        map.setPicture(index, picture);
    }
}

QPoint CanvasController::gridPoint(QPoint position) const
{
    // Integer division truncates toward zero, as the real quotient's truncation does.
    return QPoint(position.x() / m_gridStepX * m_gridStepX, position.y() / m_gridStepY * m_gridStepY);
}

bool CanvasController::placeSelectedObject(EditorContext &context, QPoint gridPoint)
{
    const std::optional<QString> tag = selectedObjectTag(context.objectTree);
    if (!tag)
        return false;
    context.project.currentObjectKind = KindOfTag(*tag);
    context.project.currentObjectName = NameOfTag(*tag);
    if (m_held != kNoObject)
        DeletePlacedObject(context, m_held);
    m_held = AddPlacedObject(context, gridPoint.x(), gridPoint.y());
    return true;
}

void CanvasController::setLabels(QPoint position, QPoint gridPoint)
{
    QString cursorX = kCursorX + QString::number(position.x());
    QString cursorY = kCursorY + QString::number(position.y());
    QString gridX = kGridX + QString::number(gridPoint.x());
    QString gridY = kGridY + QString::number(gridPoint.y());
    if (cursorX == m_cursorXLabel && cursorY == m_cursorYLabel && gridX == m_gridXLabel && gridY == m_gridYLabel)
        return;
    m_cursorXLabel = std::move(cursorX);
    m_cursorYLabel = std::move(cursorY);
    m_gridXLabel = std::move(gridX);
    m_gridYLabel = std::move(gridY);
    emit labelsChanged();
}

void CanvasController::adaptGridToHeldObject(EditorContext &context)
{
    // A size that is a multiple of 256 (or no picture at all) would give a step of 0, on which no
    // grid point exists: that axis keeps its step.
    const QSize size = context.map.entry(m_held).size();
    if (const int stepX = size.width() % kGridStepLimit; stepX != 0)
        m_gridStepX = stepX;
    if (const int stepY = size.height() % kGridStepLimit; stepY != 0)
        m_gridStepY = stepY;
    context.project.mapModified = true;
}

void CanvasController::moveHeldObject(EditorContext &context, const CanvasPointer &pointer, QPoint gridPoint)
{
    // A copy taken up from the map keeps its place while the pointer is away; a new one waits off
    // the map.
    if (!pointer.inside && m_heldWasPicked)
        return;
    context.map.move(m_held, pointer.inside ? gridPoint : kOffMapPosition);
    context.project.mapModified = true;
}

} // namespace vornik
