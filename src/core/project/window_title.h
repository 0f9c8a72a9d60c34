#pragma once

#include <QString>

namespace vornik {

struct OpenProject;

// The main window's title: the game name of the open project, or the note that none is open.
QString WindowTitle(const OpenProject &project);

} // namespace vornik
