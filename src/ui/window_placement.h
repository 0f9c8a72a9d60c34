#pragma once

class QWidget;

namespace vornik {

// Puts the window in the middle of the owner window, or of the screen when there is none.
void CentreOver(QWidget *window, const QWidget *owner);
void CentreOnScreen(QWidget *window);

} // namespace vornik
