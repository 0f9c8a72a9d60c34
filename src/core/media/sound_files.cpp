#include "core/media/sound_files.h"

#include <QFile>

namespace vornik {

namespace {

QString soundPath(const QString &basePath, const QString &extension)
{
    return basePath + QLatin1Char('.') + extension;
}

} // namespace

const QStringList &SoundExtensionOrder()
{
    static const QStringList order{QStringLiteral("mp3"), QStringLiteral("mid"), QStringLiteral("midi"),
                                   QStringLiteral("wav"), QStringLiteral("wave"), QStringLiteral("wma")};
    return order;
}

QString FindSoundFile(const QString &basePath)
{
    QString found;
    for (const QString &extension : SoundExtensionOrder()) {
        const QString path = soundPath(basePath, extension);
        if (QFile::exists(path))
            found = path;
    }
    return found;
}

void DeleteSoundFiles(const QString &basePath)
{
    for (const QString &extension : SoundExtensionOrder()) {
        const QString path = soundPath(basePath, extension);
        if (QFile::exists(path))
            QFile::remove(path);
    }
}

QString ExtensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? path : path.mid(dot + 1);
}

} // namespace vornik
