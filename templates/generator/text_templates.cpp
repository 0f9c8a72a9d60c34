#include "template_steps.h"

#include "output_folder.h"

#include "core/catalogue/kinds.h"
#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/project/names.h"
#include "core/project/paths.h"
#include "core/text/text_file.h"

#include <QFile>
#include <QStringList>

namespace {

// The lines of a UTF-8 text template as kept in the source tree (LF or CR LF line ends).
QStringList sourceLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw vornik::VornikError(vornik::messages::cannotOpenFile(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

void WriteTextTemplates(const QString &textFolder, const OutputFolder &out)
{
    for (const QString &name : {vornik::names::kGameTemplate, vornik::names::kNotesTemplate})
        vornik::WriteTextLines(out.path(name), sourceLines(vornik::JoinPath(textFolder, name)));
}

void WriteLists(const OutputFolder &out)
{
    QStringList categories;
    for (const vornik::KindInfo &kind : vornik::Kinds())
        categories << kind.category;
    vornik::WriteTextLines(out.path(vornik::names::kStandardObjectList), categories);

    // The list belongs to the user once the editor has run: a rebuild must not empty it.
    const QString recent = out.path(vornik::names::kRecentProjects);
    if (!QFile::exists(recent))
        vornik::WriteFileBytes(recent, {});
}
