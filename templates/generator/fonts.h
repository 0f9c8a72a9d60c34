#pragma once

#include <QFont>
#include <QString>

// Captions are drawn in DejaVu Sans, loaded from its own file so that the pictures do not depend on
// which fonts the build machine happens to prefer.
class CaptionFont {
public:
    // Throws when the font is not installed: pictures without their words are no templates.
    static CaptionFont Load();

    QFont at(int pixelSize, bool bold) const;

private:
    explicit CaptionFont(QString family);

    QString m_family;
};
