#pragma once

#include "core/map/canvas_controller.h"
#include "core/map/map_document.h"
#include "core/project/editor_context.h"
#include "core/project/open_project.h"
#include "core/treelist/tree_list.h"
#include "support/fakes.h"
#include "support/temp_install.h"

namespace vornik::test {

// Everything the main window owns, for tests: a temporary installation, an empty open-project
// state (no project open yet), the object tree with its 13 categories, empty map and recent
// lists, the map document and canvas, scripted dialogs and recording progress and shell.
struct TestEditor {
    TestEditor();
    TestEditor(const TestEditor &) = delete;
    TestEditor &operator=(const TestEditor &) = delete;

    // Makes a project folder with the resource folders (no files in them) and opens it, as far as
    // the open-project state goes. Returns the project folder.
    QString openBareProject(const QString &name = QStringLiteral("Проект"));
    // Adds the object line "[kind]name" under its category, with an object folder holding the
    // kind's icon template as "Иконка.bmp". Returns the line's item; the selection does not move.
    int addObject(const QString &kind, const QString &name);

    TempInstall install;
    OpenProject project;
    TreeList objectTree;
    TreeList mapList;
    TreeList recentProjects;
    MapDocument map;
    CanvasController canvas;
    FakeDialogs dialogs;
    FakeProgress progress;
    FakeShell shell;
    EditorContext context;
};

} // namespace vornik::test
