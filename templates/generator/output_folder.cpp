#include "output_folder.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"
#include "core/project/paths.h"

#include <QByteArray>
#include <QImageWriter>

namespace {

constexpr int kJpegQuality = 92;

} // namespace

OutputFolder::OutputFolder(QString folder)
    : m_folder(std::move(folder))
{
}

QString OutputFolder::path(const QString &fileName) const
{
    return vornik::JoinPath(m_folder, fileName);
}

void OutputFolder::saveImage(const QImage &image, const QString &fileName, const char *format) const
{
    const QString target = path(fileName);
    const QByteArray name(format);
    QImageWriter writer(target, name);
    QImage written = image;
    if (name == "BMP")
        written = image.convertToFormat(QImage::Format_RGB888);
    else if (name == "JPG")
        writer.setQuality(kJpegQuality);
    if (!writer.write(written))
        throw vornik::VornikError(vornik::messages::cannotCreateFile(target, writer.errorString()));
}
