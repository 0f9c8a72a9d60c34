#include "fonts.h"

#include "core/error/vornik_error.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QStandardPaths>
#include <QStringList>

namespace {

const QString kRegularFile = QStringLiteral("DejaVuSans.ttf");
const QString kBoldFile = QStringLiteral("DejaVuSans-Bold.ttf");

QStringList fontFolders()
{
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("fonts"),
                                         QStandardPaths::LocateDirectory);
    folders.removeDuplicates();
    return folders;
}

QString findFontFile(const QString &fileName)
{
    for (const QString &folder : fontFolders()) {
        QDirIterator it(folder, {fileName}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext())
            return it.next();
    }
    return {};
}

// The family a font file adds, or empty when the file is missing or unreadable.
QString addFontFile(const QString &fileName)
{
    const QString file = findFontFile(fileName);
    if (file.isEmpty())
        return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(file));
    return families.isEmpty() ? QString() : families.first();
}

} // namespace

CaptionFont CaptionFont::Load()
{
    const QString family = addFontFile(kRegularFile);
    if (family.isEmpty()) {
        throw vornik::VornikError(
            QStringLiteral("Не найден шрифт DejaVu Sans (файл %1, пакет fonts-dejavu-core): надписи на "
                           "картинках шаблонов нарисовать нечем.")
                .arg(kRegularFile));
    }
    // Without the bold face Qt thickens the regular one, which still reads well.
    addFontFile(kBoldFile);
    return CaptionFont(family);
}

CaptionFont::CaptionFont(QString family)
    : m_family(std::move(family))
{
}

QFont CaptionFont::at(int pixelSize, bool bold) const
{
    QFont font(m_family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
