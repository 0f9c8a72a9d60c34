#pragma once

#include <QString>

namespace vornik {

class TreeList;

// The object name the user's answer gives (CleanObjectName). The name also names the object
// folder, so a name that cleaning leaves empty, "." or "..", one that Windows-1251 cannot hold,
// or one that any object of any kind already has (letter case ignored, as on a case-blind file
// system) is refused with VornikError.
QString AcceptNewObjectName(const TreeList &objectTree, const QString &answer);

} // namespace vornik
