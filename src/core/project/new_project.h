#pragma once

namespace vornik {

struct EditorContext;

// "Новый проект": asks for the folder, fills it from the templates without overwriting, empties the
// map list, adds the first map and saves. True when the new project is open; the window then
// enables itself, takes the title and closes the start window.
bool NewProject(EditorContext &context);

} // namespace vornik
