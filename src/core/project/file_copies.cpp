#include "core/project/file_copies.h"

#include <QDir>
#include <QFile>

namespace vornik {

namespace {

// A template may be installed read-only; the project's copy must stay editable.
void copyWritable(const QString &source, const QString &target)
{
    if (QFile::copy(source, target))
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
}

} // namespace

void MakeFolder(const QString &path)
{
    QDir().mkpath(path);
}

void CopyFileIfMissing(const QString &source, const QString &target)
{
    if (!QFile::exists(target))
        copyWritable(source, target);
}

void CopyFileReplacing(const QString &source, const QString &target)
{
    if (!QFile::exists(source))
        return;
    QFile::remove(target);
    copyWritable(source, target);
}

} // namespace vornik
