#pragma once

#include <QString>

namespace vornik {

// The hidden player of one sound slot. It holds at most one file; the editors delete and
// replace sound files, so a file is released by close() before anything touches it.
class MediaPlayer {
public:
    virtual ~MediaPlayer() = default;

    // Opens the file ready to play, not playing, releasing any file opened before. Returns only
    // when the file can be played; otherwise throws VornikError naming the file and the reason,
    // and holds no file.
    virtual void open(const QString &path) = 0;
    // Whether a file is open, that is the last open() succeeded and close() has not run since.
    virtual bool isOpen() const = 0;
    // Starts playing the open file in the background and returns at once.
    virtual void play() = 0;
    // Stops playing and seeks to the start; the file stays open.
    virtual void stop() = 0;
    // Stops and releases the file. Closing with no file open does nothing.
    virtual void close() = 0;
};

} // namespace vornik
