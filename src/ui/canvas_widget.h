#pragma once

#include <QWidget>

class QScrollArea;

namespace vornik {

struct EditorContext;
struct CanvasPointer;

// The map canvas: one painted widget the size of the map, inside a scroll area. It draws the
// placed objects of the exposed area only and turns mouse events and its 10 ms timer into the
// canvas controller's calls.
class CanvasWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 10;

    explicit CanvasWidget(EditorContext &context, QWidget *parent = nullptr);

    // The scroll area that shows the canvas; the canvas lives inside it.
    QScrollArea *view() const { return m_view; }

    // The timer runs only while the main window is active.
    void setTimerRunning(bool running);
    bool timerRunning() const;

    // Where the pointer is now, in canvas coordinates, and whether it is over the visible part.
    CanvasPointer pointerNow() const;
    // One timer tick with the pointer where it is now.
    void tickNow();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    CanvasPointer pointerAt(QPoint canvasPosition, Qt::KeyboardModifiers modifiers) const;
    void guarded(const std::function<void()> &handler);

    EditorContext &m_context;
    QScrollArea *m_view;
    class QTimer *m_timer;
    // What the last press went to: an entry's index, or -1 for the empty canvas. Its release goes
    // to the same place, as long as that entry is still there.
    int m_pressedEntry = -1;
    int m_pressedCount = 0;
};

} // namespace vornik
