#include "platform/data/DataFileCheck.h"

#include "platform/data/DamagedFileNotice.h"
#include "platform/data/EngineOpen.h"
#include "platform/data/NoCaseCollation.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace vl {

namespace {

// How long the check waits for a lock of another connection before it
// leaves the file for the next check.
constexpr int kCheckLockWaitMs = 1000;
// Engine steps between looks at the stop flag.
constexpr int kStepsBetweenStopLooks = 1000;

bool IsDamage(int code)
{
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

int StopRequested(void* stop)
{
    return static_cast<const std::atomic<bool>*>(stop)->load() ? 1 : 0;
}

} // namespace

QuickCheckResult QuickCheckDataFile(const QString& path, const std::atomic<bool>* stop)
{
    QuickCheckResult result;
    if (!QFileInfo(path).isFile())
        return result;
    PrepareEngineOpen(path);
    // Opened for writing where it may be, though it only reads: the last
    // connection to close a file takes its log files away, and one that may
    // only read would leave them beside a file no program has open.
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        db = nullptr;
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            return result;
        }
    }
    sqlite3_busy_timeout(db, kCheckLockWaitMs);
    RegisterNoCaseCollation(db);
    if (stop)
        sqlite3_progress_handler(db, kStepsBetweenStopLooks, StopRequested, const_cast<std::atomic<bool>*>(stop));
    sqlite3_stmt* check = nullptr;
    int code = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr);
    if (code == SQLITE_OK) {
        code = sqlite3_step(check);
        if (code == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
            const QString finding = QString::fromUtf8(text ? text : "");
            if (finding != QLatin1String("ok")) {
                result.damaged = true;
                result.finding = finding.simplified(); // its lines in one
            }
        }
    }
    if (IsDamage(code)) {
        result.damaged = true;
        result.finding = QString::fromUtf8(sqlite3_errmsg(db));
    }
    sqlite3_finalize(check);
    sqlite3_close(db);
    return result;
}

DataFileCheck::~DataFileCheck()
{
    Stop();
}

void DataFileCheck::Start(const QStringList& paths)
{
    if (running_)
        return;
    if (worker_.joinable())
        worker_.join();
    stop_ = false;
    running_ = true;
    worker_ = std::thread([this, paths] {
        for (const QString& path : paths) {
            if (stop_)
                break;
            const QuickCheckResult result = QuickCheckDataFile(path, &stop_);
            if (result.damaged && !stop_) {
                // The engine's words stay out of what the user reads.
                DataError damaged = DataError::Make(kInvalidDataFile, path);
                damaged.driverMessage = result.finding;
                NoteDataFileFailure(path, damaged);
            }
        }
        running_ = false;
    });
}

void DataFileCheck::Stop()
{
    stop_ = true;
    if (worker_.joinable())
        worker_.join();
    running_ = false;
}

} // namespace vl
