#pragma once

#include <QLabel>

namespace vornik {

// A label that looks like a link (navy, underlined, hand cursor) and reports clicks.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString &text, int pixelHeight, bool bold, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace vornik
