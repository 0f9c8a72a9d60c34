#pragma once

#include <QString>

#include <vector>

namespace vornik {

// One file a new object receives: a template of the system folder and its name in the object folder.
struct TemplateCopy {
    QString templateName;
    QString objectFile;
};

// The files a new object of the kind receives, in the order they are copied: the four common
// files, then those of the kind. The player's settings template comes last and replaces the
// common one.
std::vector<TemplateCopy> ObjectTemplateCopies(const QString &kind);

} // namespace vornik
