#pragma once

#include "support/fakes.h"
#include "support/temp_install.h"
#include "ui/editor_windows.h"

namespace vornik::test {

// Every window of the program, as the start-up makes them, over a temporary installation and
// with scripted dialogs and a recording shell.
struct EditorWindowsFixture {
    TempInstall install;
    FakeDialogs dialogs;
    FakeShell shell;
    EditorWindows windows{install.installFolder(), &dialogs, &shell};
};

} // namespace vornik::test
