#pragma once

#include <QString>

namespace vornik {

// The open-project state: owned by the main window, read by every operation that needs a path.
struct OpenProject {
    QString projectFolder;     // empty while no project is open
    QString gameName;          // "Игра" once a project is open
    QString currentMap;
    QString currentObjectName;
    QString currentObjectKind;
    bool mapModified = false;

    bool isOpen() const { return !projectFolder.isEmpty(); }
};

} // namespace vornik
