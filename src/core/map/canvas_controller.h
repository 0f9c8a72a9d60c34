#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

namespace vornik {

struct EditorContext;

// Where the pointer is when an event or a timer tick arrives: its canvas position, whether it is
// over the visible part of the canvas, and whether Shift is held. The canvas widget works these
// out from its own geometry.
struct CanvasPointer {
    QPoint position;
    bool inside = true;
    bool shift = false;
};

// The canvas's behaviour without the widget: placing copies, the Shift brush, dragging along the
// grid, erasing with the right button, the grid steps and the cursor labels. Every change of the
// map goes through the map operations; the events come from the canvas widget and its 10 ms timer.
class CanvasController : public QObject {
    Q_OBJECT

public:
    static constexpr int kDefaultGridStep = 32;
    static constexpr int kNoObject = -1;

    explicit CanvasController(QObject *parent = nullptr);

    // Events of the empty canvas and of placed object number index.
    void pressOnCanvas(EditorContext &context, Qt::MouseButton button, const CanvasPointer &pointer);
    void releaseOnCanvas(Qt::MouseButton button);
    void pressOnEntry(EditorContext &context, int index, Qt::MouseButton button, const CanvasPointer &pointer);
    void releaseOnEntry(EditorContext &context, int index, Qt::MouseButton button, const CanvasPointer &pointer);
    void moveOverEntry(EditorContext &context, int index);
    void tick(EditorContext &context, const CanvasPointer &pointer);

    // The grid fields "Ширина:" (step X) and "Высота:" (step Y). A whole number from 1 to 255
    // becomes the step; other numbers and empty text keep it; text that is no number keeps it and
    // then throws the conversion error.
    void setGridWidthText(const QString &text);
    void setGridHeightText(const QString &text);
    QString gridWidthText() const { return m_gridWidthText; }
    QString gridHeightText() const { return m_gridHeightText; }
    // A click on "Автонастрока сетки под объект": both fields are applied again either way.
    void clickAutoGrid(bool ticked);
    void setDeleteOnOverlap(bool ticked) { m_deleteOnOverlap = ticked; }
    void setArmed(bool armed) { m_armed = armed; }
    void releaseHeldObject() { m_held = kNoObject; }
    // An entry just made by AddPlacedObject: when held, it follows the pointer and is parked off
    // the map while the pointer is outside the view.
    void markNewlyPlaced() { m_heldWasPicked = false; }

    // After an object's editor saved: the copies tagged kindPrefix + name show the object's icon
    // file again. Hides the progress window the editor showed.
    void refreshPlacedIcons(EditorContext &context, const QString &kindPrefix, const QString &name);

    int heldObject() const { return m_held; }
    bool heldWasPicked() const { return m_heldWasPicked; }
    bool armed() const { return m_armed; }
    bool canvasButtonDown() const { return m_canvasButtonDown; }
    bool eraseMode() const { return m_eraseMode; }
    QPoint lastPaintedCell() const { return m_lastPaintedCell; }
    int gridStepX() const { return m_gridStepX; }
    int gridStepY() const { return m_gridStepY; }
    bool autoGrid() const { return m_autoGrid; }
    bool deleteOnOverlap() const { return m_deleteOnOverlap; }

    // The grid point of a canvas position: each coordinate divided by its step as a real number,
    // truncated toward zero, times the step.
    QPoint gridPoint(QPoint position) const;

    // The four labels of the group "Курсор".
    QString cursorXLabel() const { return m_cursorXLabel; }
    QString cursorYLabel() const { return m_cursorYLabel; }
    QString gridXLabel() const { return m_gridXLabel; }
    QString gridYLabel() const { return m_gridYLabel; }

signals:
    void labelsChanged();

private:
    // Places a copy of the tree's selected object at the grid point and holds it; false when the
    // selection is no object line.
    bool placeSelectedObject(EditorContext &context, QPoint gridPoint);
    void setLabels(QPoint position, QPoint gridPoint);
    void adaptGridToHeldObject(EditorContext &context);
    void moveHeldObject(EditorContext &context, const CanvasPointer &pointer, QPoint gridPoint);

    int m_held = kNoObject;
    bool m_heldWasPicked = true;
    bool m_armed = false;
    bool m_canvasButtonDown = false;
    bool m_eraseMode = false;
    QPoint m_lastPaintedCell{0, 0};
    int m_gridStepX = kDefaultGridStep;
    int m_gridStepY = kDefaultGridStep;
    QString m_gridWidthText = QString::number(kDefaultGridStep);
    QString m_gridHeightText = QString::number(kDefaultGridStep);
    bool m_autoGrid = false;
    bool m_deleteOnOverlap = true;

    QString m_cursorXLabel;
    QString m_cursorYLabel;
    QString m_gridXLabel;
    QString m_gridYLabel;
};

} // namespace vornik
