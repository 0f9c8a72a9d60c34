#pragma once

#include "core/interaction/progress.h"

#include <QWidget>

namespace vornik {

// The progress banner: a frameless window on top of all others with one line of text. Long
// operations keep the thread busy, so setText and show paint before they return.
class TLoading : public QWidget, public Progress {
    Q_OBJECT

public:
    explicit TLoading(QWidget *parent = nullptr);

    void setText(const QString &text) override;
    void show() override;
    void hide() override;

    const QString &text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintNow();

    QString m_text;
};

} // namespace vornik
