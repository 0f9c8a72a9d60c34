#pragma once

#include "core/interaction/shell.h"

namespace vornik {

// Starts programs detached and opens folders and addresses with the desktop's handler.
class QtShell : public Shell {
public:
    void startProgram(const QString &program, const QString &workingFolder) override;
    void openFolder(const QString &folder) override;
    void openAddress(const QString &address) override;
};

} // namespace vornik
