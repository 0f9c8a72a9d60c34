#pragma once

#include <QString>

// The stand-in for the game engine writes the folder it was started in into this file, beside
// its own executable, and ends.
namespace vornik::test {

inline const QString kStubEngineRecord = QStringLiteral("stub_engine_working_folder.txt");

} // namespace vornik::test
