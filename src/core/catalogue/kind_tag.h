#pragma once

#include <QString>

// The kind tag "[" + kind word + "]" + object name names an object everywhere:
// in the object tree, on the canvas and in map files.
namespace vornik {

QString KindOfTag(const QString &text);
QString NameOfTag(const QString &text);
QString KindOfCategory(const QString &category);
QString CleanObjectName(const QString &text);

// "[" + kind + "]", the prefix of every tag of that kind.
QString KindPrefix(const QString &kind);
QString MakeTag(const QString &kind, const QString &name);

} // namespace vornik
