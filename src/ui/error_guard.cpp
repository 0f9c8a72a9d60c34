#include "ui/error_guard.h"

#include "core/error/vornik_error.h"

#include <QMessageBox>

namespace vornik {

void RunGuarded(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const VornikError &error) {
        QMessageBox::critical(parent, QStringLiteral("Vornik FPS"), error.message());
    }
}

} // namespace vornik
