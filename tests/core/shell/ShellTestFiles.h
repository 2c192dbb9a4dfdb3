#pragma once
// Files of the shell file operation tests, named relative to the test's own
// directory (the current directory while a test runs).

#include "tests/support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QString>

namespace vl::test {

inline QString Put(const QString& name, const QString& text = QStringLiteral("content"))
{
    return WriteTextFile(TestPath(name), text);
}

inline QString Content(const QString& name)
{
    return ReadTextFile(TestPath(name));
}

inline bool Present(const QString& name)
{
    return QFileInfo::exists(TestPath(name));
}

// Sets an environment variable for the lifetime of this object.
class EnvOverride {
public:
    EnvOverride(const char* name, const QString& value) : name_(name), previous_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~EnvOverride()
    {
        if (previous_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, previous_);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name_;
    QByteArray previous_;
};

// While it lives, HOME is the test directory and the desktop's trash lies in
// "xdg data/Trash" inside it, so the user's own trash is never touched.
class PrivateTrash {
public:
    PrivateTrash() : home_("HOME", TestDir()), dataHome_("XDG_DATA_HOME", TestPath(QStringLiteral("xdg data"))) {}

private:
    EnvOverride home_;
    EnvOverride dataHome_;
};

} // namespace vl::test
