#pragma once
// Each test runs in a temporary directory of its own, made the current
// directory before the test starts and removed after it.

#include <QByteArray>
#include <QString>

namespace vl::test {

// The directory the running test works in (also the current directory).
QString TestDir();
// A path inside it.
QString TestPath(const QString& name);
// Writes a small text file (parent directories are created) and returns its path.
QString WriteTextFile(const QString& path, const QString& text);
// The whole content of a text file, or an empty text when it cannot be read.
QString ReadTextFile(const QString& path);
// The bytes of a file, or none when it cannot be read.
QByteArray ReadFileBytes(const QString& path);

} // namespace vl::test
