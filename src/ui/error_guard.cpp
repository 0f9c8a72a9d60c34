#include "ui/error_guard.h"

#include "core/error/vornik_error.h"
#include "core/interaction/dialogs.h"

namespace vornik {

void RunGuarded(Dialogs &dialogs, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const VornikError &error) {
        dialogs.showMessage(error.message());
    }
}

} // namespace vornik
