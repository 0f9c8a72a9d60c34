#pragma once

#include <QWidget>

namespace vornik {

class Shell;

// The credits window.
class TProgrammers : public QWidget {
    Q_OBJECT

public:
    TProgrammers(Shell &shell, QWidget *mainWindow);

    // Shows the window over the main window.
    void open();

private:
    Shell &m_shell;
    QWidget *m_mainWindow;
};

} // namespace vornik
