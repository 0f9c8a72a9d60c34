#pragma once

#include "core/media/media_player.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vornik {

// One sound of an editor: its base name, its hidden player and two paths. The current file is
// the one the player has (or failed to) open and "Проиграть" plays; the pending file is a picked
// sound staged in the staging folder and not yet saved into the object folder.
//
// States: empty (no current, no pending), object sound (current in the object folder, no
// pending), staged (current equals pending, in the staging folder). Object folders are passed to
// each step, since they are built from the open-project state at the moment the step runs.
class SoundSlot {
public:
    SoundSlot(QString baseName, QString installFolder, std::unique_ptr<MediaPlayer> player);

    const QString &baseName() const { return m_baseName; }
    const QString &currentFile() const { return m_current; }
    const QString &pendingFile() const { return m_pending; }

    // The editor's open step: the object's sound, when one is found, becomes the current file
    // and is opened ready to play; otherwise the slot stays empty. Expects a closed slot.
    void open(const QString &objectFolder);

    // "Проиграть" and "Стоп" (stop seeks to the start). Nothing without a current file; a current
    // file the player could not open reports that no media device is open.
    void play();
    void stop();
    // The save's stop step: stops and rewinds whatever the player holds, never reports.
    void rewind();

    // "Загрузить" after the user picked a file: stages a copy of it as the base name with the
    // picked extension, makes the copy pending and current, and opens it. A copy that fails is
    // ignored; the open then reports the file it cannot open, and the slot stays staged.
    void load(const QString &pickedPath);

    // "Удалить": deletes the object's sounds at once and empties the slot.
    void remove(const QString &objectFolder);

    // The save's commit step: moves an existing pending file into the object folder under the
    // base name with its extension in lower case (the finding rule only knows lower case), and
    // opens the copy. When the copy cannot be opened the error is raised after the copy is made,
    // and the pending file stays beside the new current one.
    void commit(const QString &objectFolder);

    // The editor's close: releases the player, deletes every staged file of this slot and empties
    // the slot. Never reports.
    void close();

private:
    QString objectBase(const QString &objectFolder) const;
    QString stagedBase() const;
    // Makes the path current and opens it; the player has released its previous file before.
    void openCurrent(const QString &path);

    QString m_baseName;
    QString m_installFolder;
    std::unique_ptr<MediaPlayer> m_player;
    QString m_current;
    QString m_pending;
    // Every file staged since the last close, also those whose picked extension the finding rule
    // does not know (an upper-case or unlisted one), so that closing leaves none behind.
    QStringList m_staged;
};

} // namespace vornik
