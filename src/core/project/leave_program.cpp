#include "core/project/leave_program.h"

#include "core/interaction/dialogs.h"
#include "core/project/editor_context.h"
#include "core/project/project_save.h"

namespace vornik {

bool ConfirmLeaveProgram(EditorContext &context)
{
    if (!context.dialogs.askYesNo(QStringLiteral("Закрыть конструктор?")))
        return false;
    OfferToSaveProject(context);
    return true;
}

} // namespace vornik
