#include "ui/tloading.h"

#include "ui/banner_art.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace vornik {

namespace {
constexpr int kTextLeft = 24;
constexpr int kTextTop = 28;
constexpr int kTextPixelHeight = 19;
} // namespace

TLoading::TLoading(QWidget *parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setWindowTitle(QStringLiteral("Идет обработка данных:"));
    setFixedSize(ProgressBanner().size());
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TLoading::setText(const QString &text)
{
    m_text = text;
    paintNow();
}

void TLoading::show()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QWidget::show();
    raise();
    paintNow();
}

void TLoading::hide()
{
    QWidget::hide();
}

void TLoading::paintNow()
{
    if (!isVisible())
        return;
    // The caller keeps the thread busy: let the window system map the window, then paint it now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
}

void TLoading::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, ProgressBanner());
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(kTextPixelHeight);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font);
    painter.drawText(kTextLeft, kTextTop + metrics.ascent(), m_text);
}

} // namespace vornik
