#pragma once

#include "ui/progress_relay.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_shell.h"

#include <QString>

#include <memory>

namespace vornik {

class TMap_Editor;
class TNW;
class TLoading;
class TOptions;
class TProgrammers;
class TMessag;
class TCreate_Game;

// Owns every window of the program. They are made once, in a fixed order, and live until the
// program ends; they are shown and hidden, never destroyed on the way.
class EditorWindows {
public:
    // The windows ask and start things through the real boxes and the system shell, unless the
    // caller (a test) passes its own dialogs or shell.
    explicit EditorWindows(const QString &installFolder, Dialogs *dialogs = nullptr, Shell *shell = nullptr);
    ~EditorWindows();
    EditorWindows(const EditorWindows &) = delete;
    EditorWindows &operator=(const EditorWindows &) = delete;

    TMap_Editor &mainWindow() const { return *m_main; }
    TNW &startWindow() const { return *m_start; }
    TLoading &progressWindow() const { return *m_loading; }
    TOptions &optionsWindow() const { return *m_options; }
    TProgrammers &creditsWindow() const { return *m_credits; }
    TMessag &informationWindow() const { return *m_information; }
    TCreate_Game &exportWindow() const { return *m_export; }

private:
    QtDialogs m_qtDialogs;
    QtShell m_qtShell;
    Dialogs &m_dialogs;
    Shell &m_shell;
    ProgressRelay m_progress;
    std::unique_ptr<TMap_Editor> m_main;
    std::unique_ptr<TNW> m_start;
    std::unique_ptr<TLoading> m_loading;
    std::unique_ptr<TOptions> m_options;
    std::unique_ptr<TProgrammers> m_credits;
    std::unique_ptr<TMessag> m_information;
    std::unique_ptr<TCreate_Game> m_export;
};

} // namespace vornik
