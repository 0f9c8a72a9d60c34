#pragma once

#include <QString>

namespace vornik {

struct EditorContext;
struct KindInfo;

// The object tree's commands. Each acts on the tree's selected line.

// A single click: an object line arms placement of a copy on the canvas; a category line releases
// the canvas's held object.
void ClickObjectTreeLine(EditorContext &context);

// "Добавить": asks for the name and adds the object as the last one of the selected line's
// category, with its object folder filled from the kind's templates (replacing files there).
// A refused name throws VornikError and changes nothing. Needs an open project.
void AddObject(EditorContext &context);

// "Удалить": after the question, removes the selected object line; its folder and its copies on
// the maps stay. The line that takes its place counts as clicked.
void DeleteObject(EditorContext &context);

// The editor window "Свойства" (or a double click) opens: the kind's entry, and the title the
// window takes. No kind when there is nothing to open.
struct PropertiesRequest {
    const KindInfo *kind = nullptr;
    QString title;
};

// Releases the held object; for an object line the current object name becomes its name (the
// current kind stays) and the line's kind names the editor to show. The window closes that editor
// when it is shown, then shows it, which loads the current object's files.
PropertiesRequest OpenProperties(EditorContext &context);

} // namespace vornik
