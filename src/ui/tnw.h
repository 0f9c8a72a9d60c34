#pragma once

#include <QWidget>

class QPushButton;

namespace vornik {

class TMap_Editor;
class TreeListView;

// The start window: open or create a project, or pick one of the recently opened ones.
class TNW : public QWidget {
    Q_OBJECT

public:
    explicit TNW(TMap_Editor &mainWindow);

    QPushButton *openButton() const { return m_open; }
    QPushButton *newButton() const { return m_new; }
    TreeListView *recentView() const { return m_recent; }

    void openSelectedRecent();
    void removeSelectedRecent();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void afterOperation(bool opened);

    TMap_Editor &m_main;
    QPushButton *m_open;
    QPushButton *m_new;
    TreeListView *m_recent;
};

} // namespace vornik
