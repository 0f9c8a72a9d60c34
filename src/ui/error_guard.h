#pragma once

#include <functional>

namespace vornik {

class Dialogs;

// Runs one event handler; a VornikError it throws is shown to the user in a message box through
// the dialogs, and the program goes on. Every window routes its handlers through this guard.
void RunGuarded(Dialogs &dialogs, const std::function<void()> &handler);

} // namespace vornik
