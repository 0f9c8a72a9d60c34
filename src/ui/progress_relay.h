#pragma once

#include "core/interaction/progress.h"

namespace vornik {

// The main window exists before the progress window; operations report to this relay, which
// passes everything on to the progress window once it is there.
class ProgressRelay : public Progress {
public:
    void setTarget(Progress *target) { m_target = target; }

    void setText(const QString &text) override
    {
        if (m_target)
            m_target->setText(text);
    }
    void show() override
    {
        if (m_target)
            m_target->show();
    }
    void hide() override
    {
        if (m_target)
            m_target->hide();
    }

private:
    Progress *m_target = nullptr;
};

} // namespace vornik
