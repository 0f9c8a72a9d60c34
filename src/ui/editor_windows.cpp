#include "ui/editor_windows.h"

#include "ui/tcreate_game.h"
#include "ui/tloading.h"
#include "ui/tmap_editor.h"
#include "ui/tmessag.h"
#include "ui/tnw.h"
#include "ui/toptions.h"
#include "ui/tprogrammers.h"

namespace vornik {

EditorWindows::EditorWindows(const QString &installFolder, Dialogs *dialogs, Shell *shell)
    : m_dialogs(dialogs != nullptr ? *dialogs : m_qtDialogs)
    , m_shell(shell != nullptr ? *shell : m_qtShell)
{
    m_main = std::make_unique<TMap_Editor>(installFolder, m_dialogs, m_progress, m_shell);
    m_qtDialogs.setParent(m_main.get());
    m_main->show();

    m_start = std::make_unique<TNW>(*m_main);
    m_start->show();

    m_loading = std::make_unique<TLoading>();
    m_progress.setTarget(m_loading.get());

    m_options = std::make_unique<TOptions>(m_main->context(), m_main.get());
    m_credits = std::make_unique<TProgrammers>(m_shell, m_main.get());
    m_information = std::make_unique<TMessag>(installFolder, m_dialogs, m_shell, m_main.get());
    m_export = std::make_unique<TCreate_Game>(m_main->context(), m_main.get());

    TMap_Editor::Windows &windows = m_main->windows();
    windows.showStartWindow = [this] {
        m_start->show();
        m_start->raise();
    };
    windows.closeStartWindow = [this] {
        if (m_start->isVisible())
            m_start->close();
    };
    windows.showOptions = [this] { m_options->open(); };
    windows.showExport = [this] { m_export->open(); };
    windows.showCredits = [this] { m_credits->open(); };
}

EditorWindows::~EditorWindows() = default;

} // namespace vornik
