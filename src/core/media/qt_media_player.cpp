#include "core/media/qt_media_player.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include <chrono>

namespace vornik {

namespace {

// Loading a short local file takes a fraction of this even on a slow machine.
constexpr std::chrono::seconds kOpenTimeout{3};

bool loaded(const QMediaPlayer &player)
{
    const QMediaPlayer::MediaStatus status = player.mediaStatus();
    return status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferingMedia
           || status == QMediaPlayer::BufferedMedia;
}

bool refused(const QMediaPlayer &player)
{
    return player.error() != QMediaPlayer::NoError || player.mediaStatus() == QMediaPlayer::InvalidMedia;
}

} // namespace

void QtMediaPlayer::open(const QString &path)
{
    close();
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(&m_output);
    m_player->setSource(QUrl::fromLocalFile(path));
    const QString reason = waitUntilLoaded();
    if (!reason.isEmpty()) {
        close();
        throw VornikError(messages::cannotOpenSound(path, reason));
    }
}

void QtMediaPlayer::play()
{
    if (m_player)
        m_player->play();
}

void QtMediaPlayer::stop()
{
    if (!m_player)
        return;
    m_player->stop();
    m_player->setPosition(0);
}

void QtMediaPlayer::close()
{
    if (!m_player)
        return;
    m_player->stop();
    m_player->setSource(QUrl());
    m_player.reset();
}

QString QtMediaPlayer::waitUntilLoaded()
{
    QMediaPlayer &player = *m_player;
    const auto settled = [&player] { return loaded(player) || refused(player); };
    if (!settled()) {
        QEventLoop loop;
        QTimer timeout;
        timeout.setSingleShot(true);
        QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
        QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
            if (settled())
                loop.quit();
        });
        QObject::connect(&player, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
        timeout.start(kOpenTimeout);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (refused(player))
        return player.errorString().isEmpty() ? messages::soundNotPlayable() : player.errorString();
    if (!loaded(player))
        return messages::soundOpenTimedOut(int(kOpenTimeout.count()));
    return QString();
}

} // namespace vornik
