#pragma once

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QString>

#include <memory>

namespace vornik {

// The icons of the placed objects, loaded once per icon file and shared by every copy. An icon
// is read again only when its file changed on disk or when a reload asks for it.
class IconCache {
public:
    // The icon of the file ready to paint; null when the file does not exist. A file that is not
    // a picture throws VornikError.
    std::shared_ptr<const QImage> icon(const QString &path);
    // Reads the file again for the copies that are to show the new picture; copies holding the
    // previous icon keep it. A missing file throws the platform's file error.
    std::shared_ptr<const QImage> reload(const QString &path);
    void clear();

private:
    struct Cached {
        std::shared_ptr<const QImage> picture;
        QDateTime modified;
        qint64 size = 0;
    };
    std::shared_ptr<const QImage> load(const QString &path, const QDateTime &modified, qint64 size);

    QHash<QString, Cached> m_icons;   // by icon file path
};

} // namespace vornik
