#pragma once

#include <QSize>

// Every kind's collision mask covers its icon's square; the settings templates describe the same
// size in their "mas" section.
inline constexpr QSize kMaskSize(32, 32);
