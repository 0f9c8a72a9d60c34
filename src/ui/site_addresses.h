#pragma once

#include <QString>

// Where the editor's own pages are; the information windows and the "Конструктор" menu open them.
namespace vornik::site {

inline const QString kSiteName = QStringLiteral("vornik-fps.example");
inline const QString kSiteAddress = QStringLiteral("https://vornik-fps.example/");
inline const QString kForumAddress = QStringLiteral("https://vornik-fps.example/forum/");

} // namespace vornik::site
