#include "tests/support/TempDir.h"
#include "tests/support/ScriptedPrompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace vl::test {
namespace {

std::unique_ptr<QTemporaryDir> gDir;
// Answers any prompt a test did not script by failing the test at once,
// instead of opening a real message box that would wait for the timeout.
std::unique_ptr<ScriptedPrompt> gUnscriptedPrompts;

class TempDirListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        gDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/velmora-test-XXXXXX");
        QDir::setCurrent(gDir->path());
        gUnscriptedPrompts = std::make_unique<ScriptedPrompt>();
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        gUnscriptedPrompts.reset();
        QDir::setCurrent(QDir::tempPath());
        gDir.reset();
    }
};

} // namespace

void InstallTempDirListener()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new TempDirListener);
}

QString TestDir() { return gDir ? gDir->path() : QDir::currentPath(); }

QString TestPath(const QString& name) { return TestDir() + "/" + name; }

QString WriteTextFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
    return path;
}

QString ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QByteArray ReadFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace vl::test
