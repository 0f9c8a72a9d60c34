#pragma once

#include "core/interaction/progress.h"

namespace vornik {

inline void ShowProgress(Progress &progress, const QString &text)
{
    progress.setText(text);
    progress.show();
}

// Hides the progress window however the operation ends, so that a failing step never leaves the
// window up.
class ProgressHiding {
public:
    explicit ProgressHiding(Progress &progress) : m_progress(progress) {}
    ~ProgressHiding() { m_progress.hide(); }
    ProgressHiding(const ProgressHiding &) = delete;
    ProgressHiding &operator=(const ProgressHiding &) = delete;

private:
    Progress &m_progress;
};

} // namespace vornik
