#include "support/temp_install.h"

#include "core/project/names.h"
#include "core/project/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace vornik::test {

TempInstall::TempInstall()
{
    if (!m_dir.isValid())
        return;
    const QString source = QStringLiteral(VORNIK_BUILT_SYSTEM_DIR);
    QDir root(m_dir.path());
    m_valid = root.mkpath(QStringLiteral("install/") + names::kSystemFolder)
              && root.mkpath(QStringLiteral("install/") + names::kStagingFolder)
              && root.mkpath(QStringLiteral("projects"));
    QDirIterator files(source, QDir::Files);
    while (m_valid && files.hasNext()) {
        files.next();
        m_valid = QFile::copy(files.filePath(), systemFile(files.fileName()));
    }
}

QString TempInstall::installFolder() const
{
    return JoinPath(m_dir.path(), QStringLiteral("install/"));
}

QString TempInstall::systemFile(const QString &name) const
{
    return SystemPath(installFolder(), name);
}

QString TempInstall::stagingFolder() const
{
    return JoinPath(installFolder(), names::kStagingFolder);
}

QString TempInstall::projectPath(const QString &name) const
{
    return JoinPath(m_dir.path(), QStringLiteral("projects"), name);
}

} // namespace vornik::test
