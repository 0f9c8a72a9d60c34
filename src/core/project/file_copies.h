#pragma once

#include <QString>

// Folder creation and template copies. They report nothing: a folder that cannot be made, or a
// template that is missing, simply leaves its target missing.
namespace vornik {

// Makes the folder and any missing folders above it; an existing folder is no error.
void MakeFolder(const QString &path);

// Copies only when the target does not exist yet; an existing target is never overwritten.
void CopyFileIfMissing(const QString &source, const QString &target);

// Copies over an existing target. A missing source leaves the existing target as it was.
void CopyFileReplacing(const QString &source, const QString &target);

} // namespace vornik
