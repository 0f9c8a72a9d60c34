// Times loading and saving a tree list of 10,000 lines, the size of a large object tree.
#include "core/treelist/tree_list.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

int main()
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("big.list"));

    vornik::TreeList tree;
    int category = 0;
    for (int i = 0; i < 10000; ++i) {
        if (i % 100 == 0)
            category = tree.addSibling(0, QStringLiteral("Категория %1").arg(i / 100));
        else
            tree.addChild(category, QStringLiteral("[Стена]Объект номер %1").arg(i));
    }

    QTextStream out(stdout);
    QElapsedTimer timer;
    timer.start();
    tree.save(path);
    out << "save 10000 lines: " << timer.nsecsElapsed() / 1000 << " us\n";

    vornik::TreeList loaded;
    timer.restart();
    loaded.load(path);
    out << "load 10000 lines: " << timer.nsecsElapsed() / 1000 << " us\n";
    return loaded.count() == tree.count() ? 0 : 1;
}
