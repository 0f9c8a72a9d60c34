#pragma once

#include <QImage>
#include <QString>

// The "Система" folder being filled, and the one way pictures reach it: a picture that cannot be
// written stops the generator with the file's name.
class OutputFolder {
public:
    explicit OutputFolder(QString folder);

    QString path(const QString &fileName) const;

    // Format by name: "BMP" is written 24-bit, "JPG" at high quality, "PNG" keeps alpha.
    void saveImage(const QImage &image, const QString &fileName, const char *format) const;

private:
    QString m_folder;
};
