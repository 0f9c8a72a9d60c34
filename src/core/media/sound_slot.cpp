#include "core/media/sound_slot.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/media/sound_files.h"
#include "core/project/file_copies.h"
#include "core/project/paths.h"

#include <QFile>

namespace vornik {

SoundSlot::SoundSlot(QString baseName, QString installFolder, std::unique_ptr<MediaPlayer> player)
    : m_baseName(std::move(baseName)), m_installFolder(std::move(installFolder)), m_player(std::move(player))
{
}

void SoundSlot::open(const QString &objectFolder)
{
    const QString found = FindSoundFile(objectBase(objectFolder));
    if (!found.isEmpty())
        openCurrent(found);
}

void SoundSlot::play()
{
    if (m_current.isEmpty())
        return;
    if (!m_player->isOpen())
        throw VornikError(messages::noMediaDeviceOpen());
    m_player->play();
}

void SoundSlot::stop()
{
    if (m_current.isEmpty())
        return;
    if (!m_player->isOpen())
        throw VornikError(messages::noMediaDeviceOpen());
    m_player->stop();
}

void SoundSlot::rewind()
{
    if (m_player->isOpen())
        m_player->stop();
}

void SoundSlot::load(const QString &pickedPath)
{
    const QString staged = stagedBase() + QLatin1Char('.') + ExtensionOf(pickedPath);
    // The player may hold the staged file of an earlier pick with the same extension.
    m_player->close();
    CopyFileReplacing(pickedPath, staged);
    if (!m_staged.contains(staged))
        m_staged << staged;
    m_pending = staged;
    openCurrent(staged);
}

void SoundSlot::remove(const QString &objectFolder)
{
    m_player->close();
    DeleteSoundFiles(objectBase(objectFolder));
    m_current.clear();
    m_pending.clear();
}

void SoundSlot::commit(const QString &objectFolder)
{
    if (m_pending.isEmpty() || !QFile::exists(m_pending))
        return;
    const QString base = objectBase(objectFolder);
    const QString copy = base + QLatin1Char('.') + ExtensionOf(m_pending).toLower();
    m_player->close();
    DeleteSoundFiles(base);
    CopyFileReplacing(m_pending, copy);
    openCurrent(copy);
    QFile::remove(m_pending);
    m_pending.clear();
}

void SoundSlot::close()
{
    m_player->close();
    DeleteSoundFiles(stagedBase());
    for (const QString &staged : std::as_const(m_staged))
        QFile::remove(staged);
    m_staged.clear();
    m_current.clear();
    m_pending.clear();
}

QString SoundSlot::objectBase(const QString &objectFolder) const
{
    return JoinPath(objectFolder, m_baseName);
}

QString SoundSlot::stagedBase() const
{
    return StagingPath(m_installFolder, m_baseName);
}

void SoundSlot::openCurrent(const QString &path)
{
    m_current = path;
    m_player->open(path);
}

} // namespace vornik
