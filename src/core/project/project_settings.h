#pragma once

#include <QString>

#include <array>
#include <optional>

// The data side of the project settings file "Игра.fps" and of the project notes file. The editor
// touches only the keys named here; every other key of the file stays as the template had it.
namespace vornik {

// One author field: its key in section "globalnie" and the caption of its field in the options window.
struct AuthorField {
    QString key;
    QString caption;
};

inline constexpr std::size_t kAuthorFieldCount = 7;
using AuthorData = std::array<QString, kAuthorFieldCount>;

// The seven author fields in the order they are read and written.
const std::array<AuthorField, kAuthorFieldCount> &AuthorFields();

// The seven values in the order of AuthorFields(); a missing file, section or key reads empty.
AuthorData ReadAuthorData(const QString &projectFolder);
// Writes the seven values in the order of AuthorFields(), each exactly as given. A write the system
// refuses stops with "Unable to write to ..."; the keys written before it stay written.
void WriteAuthorData(const QString &projectFolder, const AuthorData &values);

// The notes file's whole text, its line ends (CR LF, a lone CR or a lone LF) as "\n"; nothing when
// the file does not exist.
std::optional<QString> ReadProjectNotes(const QString &projectFolder);
// Creates or replaces the notes file with the text, each line end as CR LF, nothing added at the end.
void WriteProjectNotes(const QString &projectFolder, const QString &text);

// The level the game engine starts: 0 the whole game, n the n-th map of the map list.
void WriteTestLevel(const QString &projectFolder, int level);

} // namespace vornik
