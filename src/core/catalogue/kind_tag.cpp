#include "core/catalogue/kind_tag.h"

#include "core/catalogue/kinds.h"

namespace vornik {

namespace {

QString withoutTabs(const QString &text)
{
    QString result = text;
    result.remove(QLatin1Char('\t'));
    return result;
}

// A text is a tag when it begins with "[" or holds a "]" anywhere.
bool looksLikeTag(const QString &text)
{
    return text.startsWith(QLatin1Char('[')) || text.contains(QLatin1Char(']'));
}

} // namespace

QString KindOfTag(const QString &text)
{
    const QString clean = withoutTabs(text);
    if (!looksLikeTag(clean))
        return {};
    const QString rest = clean.mid(1);
    const qsizetype close = rest.indexOf(QLatin1Char(']'));
    return close < 0 ? rest : rest.left(close);
}

QString NameOfTag(const QString &text)
{
    const QString clean = withoutTabs(text);
    if (!looksLikeTag(clean))
        return {};
    const qsizetype close = clean.indexOf(QLatin1Char(']'));
    return close < 0 ? clean : clean.mid(close + 1);
}

QString KindOfCategory(const QString &category)
{
    for (const KindInfo &info : Kinds()) {
        if (info.category == category)
            return info.kind;
    }
    return {};
}

QString CleanObjectName(const QString &text)
{
    QString result = text;
    result.remove(QLatin1Char(' '));
    result.remove(QLatin1Char('\\'));
    result.remove(QLatin1Char('/'));
    result.remove(QLatin1Char('\t'));
    return result;
}

QString KindPrefix(const QString &kind)
{
    return QLatin1Char('[') + kind + QLatin1Char(']');
}

QString MakeTag(const QString &kind, const QString &name)
{
    return KindPrefix(kind) + name;
}

} // namespace vornik
