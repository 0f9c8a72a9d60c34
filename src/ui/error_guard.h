#pragma once

#include <functional>

class QWidget;

namespace vornik {

// Runs one event handler; a VornikError it throws is shown to the user in a box, and the
// program goes on. Every window routes its handlers through this guard.
void RunGuarded(QWidget *parent, const std::function<void()> &handler);

} // namespace vornik
