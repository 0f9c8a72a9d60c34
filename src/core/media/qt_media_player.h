#pragma once

#include "core/media/media_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>

#include <memory>

namespace vornik {

// The media player over Qt Multimedia. Opening waits, with the event loop running but user input
// held back, until the media layer has loaded the file or refused it, so the caller learns at
// once whether the file can be played. Each file gets a player of its own, destroyed on close:
// that frees the file for certain, and no error of an earlier file is taken for the new one.
class QtMediaPlayer final : public MediaPlayer {
public:

    void open(const QString &path) override;
    bool isOpen() const override { return m_player != nullptr; }
    void play() override;
    void stop() override;
    void close() override;

private:
    // Waits until loading has settled or the time is up; returns the reason when the file cannot
    // be played, an empty text when it can.
    QString waitUntilLoaded();

    QAudioOutput m_output;
    std::unique_ptr<QMediaPlayer> m_player;
};

} // namespace vornik
