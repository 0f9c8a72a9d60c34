#include "core/project/window_title.h"

#include "core/project/open_project.h"

namespace vornik {

QString WindowTitle(const OpenProject &project)
{
    static const QString prefix = QStringLiteral("Vornik FPS v 1.1 - ");
    return prefix + (project.isOpen() ? project.gameName : QStringLiteral("Проект не открыт..."));
}

} // namespace vornik
