#pragma once

#include <QWidget>

class QPushButton;

namespace vornik {

struct EditorContext;

// "Завершающий этап": exports the game into the project folder.
class TCreate_Game : public QWidget {
    Q_OBJECT

public:
    TCreate_Game(EditorContext &context, QWidget *mainWindow);

    // "Создать ЕХЕ": brought to the front afresh; nothing without an open project.
    void open();

    QPushButton *exeButton() const { return m_exe; }
    QPushButton *gmkButton() const { return m_gmk; }

private:
    EditorContext &m_context;
    QWidget *m_mainWindow;
    QPushButton *m_exe;
    QPushButton *m_gmk;
};

} // namespace vornik
