#pragma once

#include <QString>
#include <QStringList>

// The sound files of a slot: a base path (folder and base name) followed by "." and one of the
// sound extensions.
namespace vornik {

// The sound extensions, lower case, in the order of finding: a later one wins over an earlier.
const QStringList &SoundExtensionOrder();

// The last existing base path + "." + extension in the order; empty when none exists.
QString FindSoundFile(const QString &basePath);

// Deletes base path + "." + each extension of the order where such a file exists. Failures are
// ignored: a sound that cannot be deleted simply stays.
void DeleteSoundFiles(const QString &basePath);

// The text after the last "." of the path, case kept; the whole path when it has no dot.
QString ExtensionOf(const QString &path);

} // namespace vornik
