#pragma once

#include <QString>

namespace vornik {

// The icon file of an object's placed copies: "Иконка.bmp" in its object folder.
QString PlacedIconPath(const QString &projectFolder, const QString &objectName);

// Whether the object name names a folder inside the objects folder. A map file is text anyone can
// edit; a name holding a separator, or "." or "..", would lead outside, and its copies get no
// picture instead.
bool StaysInObjectsFolder(const QString &objectName);

} // namespace vornik
