#pragma once

#include <QString>

namespace vornik {

struct EditorContext;

// "Открыть проект": opens the folder that holds the project file; an empty path asks for the file.
// Both list files are read before anything changes, so a folder without them reports the error and
// leaves the open project, the trees and the title as they were. True when the project is open.
bool OpenProjectFile(EditorContext &context, const QString &path);

} // namespace vornik
