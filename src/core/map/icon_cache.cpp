#include "core/map/icon_cache.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/map/transparent_icon.h"

#include <QFile>
#include <QFileInfo>

namespace vornik {

std::shared_ptr<const QImage> IconCache::icon(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_icons.remove(path);
        return nullptr;
    }
    const QDateTime modified = file.lastModified();
    const auto found = m_icons.constFind(path);
    if (found != m_icons.constEnd() && found->modified == modified && found->size == file.size())
        return found->picture;
    return load(path, modified, file.size());
}

std::shared_ptr<const QImage> IconCache::reload(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        m_icons.remove(path);
        QFile missing(path);
        missing.open(QIODevice::ReadOnly);
        throw VornikError(messages::cannotOpenFile(path, missing.errorString()));
    }
    return load(path, file.lastModified(), file.size());
}

void IconCache::clear()
{
    m_icons.clear();
}

std::shared_ptr<const QImage> IconCache::load(const QString &path, const QDateTime &modified, qint64 size)
{
    QImage loaded;
    if (!loaded.load(path)) {
        m_icons.remove(path);
        throw VornikError(messages::invalidBitmap());
    }
    auto picture = std::make_shared<const QImage>(TransparentIcon(loaded));
    m_icons.insert(path, Cached{picture, modified, size});
    return picture;
}

} // namespace vornik
