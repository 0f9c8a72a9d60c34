#pragma once

#include <QString>

namespace vornik {

// The system shell: start a program without waiting for it, open a folder or an address.
// Results are not reported back; the editor never waits for what it started.
class Shell {
public:
    virtual ~Shell() = default;

    virtual void startProgram(const QString &program, const QString &workingFolder) = 0;
    virtual void openFolder(const QString &folder) = 0;
    virtual void openAddress(const QString &address) = 0;
};

} // namespace vornik
