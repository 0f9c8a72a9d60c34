#pragma once

namespace vornik {

struct EditorContext;

// Closing the main window: "Закрыть конструктор?", then the offer to save the open project.
// True when the program may end; ending it is the window's business. A failing save throws, and
// the program then stays open with the project unsaved.
bool ConfirmLeaveProgram(EditorContext &context);

} // namespace vornik
