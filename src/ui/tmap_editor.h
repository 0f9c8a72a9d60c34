#pragma once

#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/treelist/tree_list.h"

#include <QMainWindow>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace vornik {

class CanvasWidget;
class TreeListView;
struct PropertiesRequest;

// The main window: it owns the open project, the object tree, the map list and the current map,
// shows them with the canvas, and carries the menus that reach every other window.
class TMap_Editor : public QMainWindow {
    Q_OBJECT

public:
    // The windows made after the main window that its commands show. Each is optional: a command
    // whose window is not there does nothing.
    struct Windows {
        std::function<void()> showStartWindow;
        std::function<void()> closeStartWindow;
        std::function<void()> showOptions;
        std::function<void()> showExport;
        std::function<void()> showCredits;
        std::function<void()> showMapProperties;
        std::function<void()> showMenuEditor;
        std::function<void()> showWinScreen;
        std::function<void()> showLoseScreen;
        std::function<void(const PropertiesRequest &)> showObjectEditor;
    };

    // The dialogs, progress window and shell the operations report through; the start-up passes
    // the real ones, tests scripted ones.
    TMap_Editor(const QString &installFolder, Dialogs &dialogs, Progress &progress, Shell &shell);

    EditorContext &context() { return m_context; }
    Windows &windows() { return m_windows; }

    // After an operation changed the trees or the project: show them again, with the title.
    void refreshViews();
    // The window's state once a project has been created or opened.
    void projectOpened();

    // The menu items, by caption, for the menus and for tests.
    QAction *menuAction(const QString &menu, const QString &item) const;
    QMenu *mapListMenu() const { return m_mapListMenu; }
    QMenu *objectTreeMenu() const { return m_objectTreeMenu; }
    TreeListView *mapListView() const { return m_mapListView; }
    TreeListView *objectTreeView() const { return m_objectTreeView; }
    CanvasWidget *canvas() const { return m_canvas; }
    QLineEdit *gridHeightField() const { return m_gridHeight; }
    QLineEdit *gridWidthField() const { return m_gridWidth; }
    QCheckBox *autoGridBox() const { return m_autoGrid; }
    QCheckBox *deleteOnOverlapBox() const { return m_deleteOnOverlap; }
    QList<QLabel *> cursorLabels() const { return m_cursorLabels; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void buildMenus();
    void buildContextMenus();
    QAction *addCommand(QMenu *menu, const QString &caption, bool needsProject, const std::function<void()> &command);
    void run(const std::function<void()> &operation);
    void openPropertiesOfSelection();
    void showCursorLabels();
    void restorePlacement();
    void savePlacement();

    QString m_installFolder;
    OpenProject m_project;
    TreeList m_objectTree;
    TreeList m_mapList;
    TreeList m_recentProjects;
    MapDocument m_map;
    CanvasController m_controller;
    EditorContext m_context;
    Windows m_windows;

    TreeListView *m_mapListView = nullptr;
    TreeListView *m_objectTreeView = nullptr;
    CanvasWidget *m_canvas = nullptr;
    QLineEdit *m_gridHeight = nullptr;
    QLineEdit *m_gridWidth = nullptr;
    QCheckBox *m_autoGrid = nullptr;
    QCheckBox *m_deleteOnOverlap = nullptr;
    QList<QLabel *> m_cursorLabels;
    QMenu *m_mapListMenu = nullptr;
    QMenu *m_objectTreeMenu = nullptr;
};

} // namespace vornik
