#pragma once

#include <QString>

namespace vornik {

struct OpenProject;
class TreeList;
class MapDocument;
class CanvasController;
class Dialogs;
class Progress;
class Shell;

// Everything the editor's operations work on: owned by the main window (tests build their own),
// handed to the operations by reference. No operation keeps any of it.
struct EditorContext {
    QString installFolder;      // ends with a separator
    OpenProject &project;
    TreeList &objectTree;
    TreeList &mapList;
    TreeList &recentProjects;
    MapDocument &map;
    CanvasController &canvas;
    Dialogs &dialogs;
    Progress &progress;
    Shell &shell;
};

} // namespace vornik
