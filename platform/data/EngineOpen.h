#pragma once
// The one way the engine opens a data file, in every program: the engine's
// locks go to the lock table (EngineLocks.h), and a damaged log is set aside
// before the engine can read past it and cut it (LogFrames.h), the user told
// once. Called before each open of a data file by the engine.

#include <QString>

namespace vl {

void PrepareEngineOpen(const QString& path);

} // namespace vl
