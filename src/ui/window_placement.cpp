#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vornik {

void CentreOver(QWidget *window, const QWidget *owner)
{
    if (owner == nullptr) {
        CentreOnScreen(window);
        return;
    }
    const QRect area = owner->frameGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

} // namespace vornik
