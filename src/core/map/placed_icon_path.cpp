#include "core/map/placed_icon_path.h"

#include "core/project/names.h"
#include "core/project/paths.h"

namespace vornik {

QString PlacedIconPath(const QString &projectFolder, const QString &objectName)
{
    return JoinPath(ObjectFolderPath(projectFolder, objectName), names::kObjectIcon);
}

bool StaysInObjectsFolder(const QString &objectName)
{
    return !objectName.contains(QLatin1Char('/')) && !objectName.contains(QLatin1Char('\\'))
           && objectName != QLatin1String(".") && objectName != QLatin1String("..");
}

} // namespace vornik
