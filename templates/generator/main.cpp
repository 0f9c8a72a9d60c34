// Fills the installation's template folder: text templates converted from the source tree,
// every picture drawn here. Usage: vornik_template_generator <text templates folder> <dist folder>

#include "fonts.h"
#include "output_folder.h"
#include "template_steps.h"

#include "core/error/vornik_error.h"
#include "core/project/names.h"
#include "core/project/paths.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

void makeFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        throw vornik::VornikError(QStringLiteral("Не удалось создать папку «%1».").arg(path));
}

void generate(const QString &textFolder, const QString &distFolder)
{
    const QString systemFolder = vornik::JoinPath(distFolder, vornik::names::kSystemFolder);
    makeFolder(systemFolder);
    makeFolder(vornik::JoinPath(distFolder, vornik::names::kStagingFolder));
    const CaptionFont font = CaptionFont::Load();
    const OutputFolder out(systemFolder);

    WriteTextTemplates(textFolder, out);
    WriteLists(out);
    WriteSettingsTemplates(out);
    WriteKindIcons(out);
    WriteMasks(out);
    WriteScreenIcons(out);
    WriteSurfaceTextures(out);
    WritePickupTextures(out);
    WriteEnemyTextures(out);
    WriteWeaponPictures(out);
    WriteDamageOverlay(out);
    WriteMenuPictures(out, font);
    WriteEndScreens(out, font);
}

void printError(const QString &message)
{
    std::fputs(message.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        printError(QStringLiteral("Использование: vornik_template_generator <папка текстовых шаблонов> "
                                  "<папка установки>"));
        return 2;
    }
    QGuiApplication app(argc, argv);
    try {
        generate(QFile::decodeName(argv[1]), QFile::decodeName(argv[2]));
    } catch (const vornik::VornikError &error) {
        printError(error.message());
        return 1;
    }
    return 0;
}
