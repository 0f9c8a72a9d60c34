#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vornik::test {

// A temporary installation: a copy of the built template folder "Система" and an empty
// "Временная", plus a scratch area for project folders. Removed when the object goes.
class TempInstall {
public:
    TempInstall();

    bool isValid() const { return m_valid; }
    // Ends with a separator, like the real install folder.
    QString installFolder() const;
    QString systemFile(const QString &name) const;
    QString stagingFolder() const;
    // A path for a project folder inside the scratch area (not created).
    QString projectPath(const QString &name) const;

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

} // namespace vornik::test
