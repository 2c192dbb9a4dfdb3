#pragma once
// The failure box of the backup runner: the message, the archive, and the
// zip libraries' code with its text and what it concerns.

#include "platform/zip/ZipError.h"

#include <QString>

namespace vl {

// The text of the box ("|" breaks lines).
QString ZipFailureMessage(const QString& message, const QString& archive, const ZipResult& result);
// Shows it; a blank caption is "Operation Failed".
void ZipFailureText(const QString& message, const QString& caption, const QString& archive, const ZipResult& result);

} // namespace vl
