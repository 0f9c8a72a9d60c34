#include "ui/canvas_widget.h"

#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/project/editor_context.h"
#include "ui/error_guard.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>

namespace vornik {

CanvasWidget::CanvasWidget(EditorContext &context, QWidget *parent)
    : QWidget(nullptr)
    , m_context(context)
    , m_view(new QScrollArea(parent))
    , m_timer(new QTimer(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAutoFillBackground(false);
    resize(context.map.canvasSize());

    m_view->setWidget(this);
    m_view->setWidgetResizable(false);
    m_view->horizontalScrollBar()->setTracking(true);
    m_view->verticalScrollBar()->setTracking(true);
    m_view->horizontalScrollBar()->setSingleStep(32);
    m_view->verticalScrollBar()->setSingleStep(32);

    MapDocument &map = context.map;
    connect(&map, &MapDocument::entryChanged, this, [this](QRect oldArea, QRect newArea) {
        if (!oldArea.isEmpty())
            update(oldArea);
        if (!newArea.isEmpty())
            update(newArea);
    });
    connect(&map, &MapDocument::reset, this, qOverload<>(&QWidget::update));
    connect(&map, &MapDocument::canvasSizeChanged, this, [this](QSize size) { resize(size); });

    m_timer->setInterval(kTickMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &CanvasWidget::tickNow);
}

void CanvasWidget::setTimerRunning(bool running)
{
    if (running)
        m_timer->start();
    else
        m_timer->stop();
}

bool CanvasWidget::timerRunning() const
{
    return m_timer->isActive();
}

CanvasPointer CanvasWidget::pointerAt(QPoint canvasPosition, Qt::KeyboardModifiers modifiers) const
{
    CanvasPointer pointer;
    pointer.position = canvasPosition;
    // Over the visible part of the canvas: the view's viewport, which leaves out the scroll bars.
    pointer.inside = m_view->viewport()->rect().contains(mapTo(m_view->viewport(), canvasPosition));
    pointer.shift = modifiers.testFlag(Qt::ShiftModifier);
    return pointer;
}

CanvasPointer CanvasWidget::pointerNow() const
{
    return pointerAt(mapFromGlobal(QCursor::pos()), QGuiApplication::queryKeyboardModifiers());
}

void CanvasWidget::tickNow()
{
    guarded([this] { m_context.canvas.tick(m_context, pointerNow()); });
}

void CanvasWidget::guarded(const std::function<void()> &handler)
{
    RunGuarded(m_context.dialogs, handler);
}

void CanvasWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().color(QPalette::ToolTipBase));
    const MapDocument &map = m_context.map;
    for (int index : map.entriesIn(area)) {
        const PlacedObject &entry = map.entry(index);
        painter.drawImage(entry.position, *entry.picture);
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = event->position().toPoint();
    const CanvasPointer pointer = pointerAt(position, event->modifiers());
    m_pressedEntry = m_context.map.topmostAt(position);
    m_pressedCount = m_context.map.count();
    guarded([&] {
        if (m_pressedEntry >= 0)
            m_context.canvas.pressOnEntry(m_context, m_pressedEntry, event->button(), pointer);
        else
            m_context.canvas.pressOnCanvas(m_context, event->button(), pointer);
    });
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const CanvasPointer pointer = pointerAt(event->position().toPoint(), event->modifiers());
    // An entry deleted by its own press (the right button) cannot take the release: the canvas
    // beneath it does.
    const bool entryStillThere = m_pressedEntry >= 0 && m_context.map.count() >= m_pressedCount
                                 && m_pressedEntry < m_context.map.count();
    guarded([&] {
        if (entryStillThere)
            m_context.canvas.releaseOnEntry(m_context, m_pressedEntry, event->button(), pointer);
        else
            m_context.canvas.releaseOnCanvas(event->button());
    });
    m_pressedEntry = -1;
}

void CanvasWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int index = m_context.map.topmostAt(event->position().toPoint());
    if (index >= 0)
        guarded([&] { m_context.canvas.moveOverEntry(m_context, index); });
}

bool CanvasWidget::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int index = m_context.map.topmostAt(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), m_context.map.entry(index).tag, this,
                               m_context.map.entry(index).area());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace vornik
