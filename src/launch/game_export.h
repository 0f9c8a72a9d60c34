#pragma once

namespace vornik {

struct EditorContext;

// "Создать EXE игры": the engine as "Запуск.exe" and its library into the project folder, then
// the folder is opened. Existing files in the project folder are kept.
void ExportGameExe(EditorContext &context);
// "Создать *.gmk (Game Maker 8)": the same with the Game Maker project file in place of the engine.
void ExportGameMakerProject(EditorContext &context);

} // namespace vornik
