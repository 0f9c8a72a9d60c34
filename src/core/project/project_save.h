#pragma once

namespace vornik {

struct EditorContext;

// The project-save steps: both lists to their files, the current map to its file when there is
// one, and the map-modified flag cleared.
void WriteProject(EditorContext &context);

// "Сохранить проект": the same without asking, except that the map saved is the map list's
// selected entry. Nothing happens while no project is open.
void SaveProject(EditorContext &context);

// "Сохранить изменения проекта?", asked whenever a project is open, changed or not; Yes writes it.
void OfferToSaveProject(EditorContext &context);

} // namespace vornik
