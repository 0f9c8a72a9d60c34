#include "ui/link_label.h"

#include <QMouseEvent>

namespace vornik {

LinkLabel::LinkLabel(const QString &text, int pixelHeight, bool bold, QWidget *parent)
    : QLabel(text, parent)
{
    QFont linkFont = font();
    linkFont.setPixelSize(pixelHeight);
    linkFont.setBold(bold);
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(colours);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace vornik
