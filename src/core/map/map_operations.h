#pragma once

#include <QString>

namespace vornik {

struct EditorContext;

// The map document's operations on the current map. Each reports through the context's
// progress window and dialogs; a failing step throws VornikError.

// Appends a placed copy of the current object at (x, y), its icon from the current object's
// folder; tag empty means "[" + current kind + "]" + current name. Returns the new index.
int AddPlacedObject(EditorContext &context, int x, int y, const QString &tag = {});
void DeletePlacedObject(EditorContext &context, int index);
void ClearMap(EditorContext &context, bool keepProgressShown);
void LoadMap(EditorContext &context, const QString &mapName);
void SaveMap(EditorContext &context, const QString &mapName);

// "Сохранить изменения карты?" while the canvas holds unsaved changes of the current map; Yes
// saves it. The flag is cleared whatever the answer, so the changes are not asked about again.
void OfferToSaveMap(EditorContext &context);

} // namespace vornik
