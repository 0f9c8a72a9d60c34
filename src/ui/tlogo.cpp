#include "ui/tlogo.h"

#include "ui/banner_art.h"
#include "ui/window_placement.h"

#include <QEventLoop>
#include <QPainter>

namespace vornik {

TLOGO::TLOGO()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen)
{
    setWindowTitle(QStringLiteral("Логотип"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(SplashPicture().size());
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShowMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
    m_timer.start();
}

void TLOGO::showForItsTime()
{
    CentreOnScreen(this);
    show();
    repaint();
    QEventLoop wait;
    connect(&m_timer, &QTimer::timeout, &wait, &QEventLoop::quit);
    if (m_timer.isActive())
        wait.exec();
}

void TLOGO::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, SplashPicture());
}

} // namespace vornik
