#include "core/catalogue/new_object_name.h"

#include "core/catalogue/kind_tag.h"
#include "core/error/vornik_error.h"
#include "core/text/cp1251.h"
#include "core/treelist/tree_list.h"

namespace vornik {

namespace {

const QString kRefused = QStringLiteral("Объект не добавлен: ");

// The object line whose name equals the name regardless of letter case; 0 when none.
int objectNamed(const TreeList &objectTree, const QString &name)
{
    for (int item = 1; item <= objectTree.count(); ++item) {
        const QString line = objectTree.text(item);
        if (!KindOfTag(line).isEmpty() && NameOfTag(line).compare(name, Qt::CaseInsensitive) == 0)
            return item;
    }
    return 0;
}

} // namespace

QString AcceptNewObjectName(const TreeList &objectTree, const QString &answer)
{
    const QString name = CleanObjectName(answer);
    if (name.isEmpty())
        throw VornikError(kRefused + QStringLiteral("имя пустое (пробелы, «\\» и «/» из имени убираются)."));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        throw VornikError(kRefused + QStringLiteral("имя «%1» нельзя дать папке объекта.").arg(name));
    try {
        EncodeCp1251(name);
    } catch (const VornikError &error) {
        throw VornikError(kRefused + QStringLiteral("имя «%1» нельзя сохранить. %2").arg(name, error.message()));
    }
    if (const int taken = objectNamed(objectTree, name))
        throw VornikError(kRefused + QStringLiteral("имя «%1» уже занято объектом %2.")
                                         .arg(name, objectTree.text(taken)));
    return name;
}

} // namespace vornik
