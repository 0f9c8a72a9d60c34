#pragma once

#include <QString>

namespace vornik {

// The progress banner of long operations. setText and show repaint before they return,
// because the operation keeps the thread busy until it ends.
class Progress {
public:
    virtual ~Progress() = default;

    virtual void setText(const QString &text) = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
};

} // namespace vornik
