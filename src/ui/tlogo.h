#pragma once

#include <QTimer>
#include <QWidget>

namespace vornik {

// The splash: the program's logo for two seconds before any other window exists.
class TLOGO : public QWidget {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2000;

    TLOGO();

    // Shows the splash and dispatches events until its timer has fired and hidden it.
    void showForItsTime();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
};

} // namespace vornik
