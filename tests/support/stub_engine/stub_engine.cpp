// A stand-in for the game engine: records its working folder for the test that started it.
#include "stub_engine_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QSaveFile record(QDir(QCoreApplication::applicationDirPath()).filePath(vornik::test::kStubEngineRecord));
    if (!record.open(QIODevice::WriteOnly))
        return 1;
    record.write(QDir::currentPath().toUtf8());
    return record.commit() ? 0 : 1;
}
