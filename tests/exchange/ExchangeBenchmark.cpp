// Figures of the delimited-text exchange on 100,000 tasks: reading the file
// alone, importing it (with the process's peak memory as a counter), and
// exporting the task table with every field and a header.

#include "core/dictionary/Dictionary.h"
#include "core/dictionary/TableDefinitions.h"
#include "exchange/ExchangeProcedures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace vl {
namespace {

constexpr int kTasks = 100'000;

ScheduleRecord SampleTask(int i)
{
    ScheduleRecord task;
    task.TaskType = QStringLiteral("Run Program");
    task.Category = QStringLiteral("Category %1").arg(i % 20);
    task.Description = QStringLiteral("Task number %1, \"weekly\"").arg(i);
    task.Command = QStringLiteral("/usr/bin/program --option %1 --output /home/user/out/%1.txt").arg(i);
    task.Path = QStringLiteral("/home/user/work/%1").arg(i % 100);
    task.ScheduleType = QStringLiteral("Day of Week");
    task.Monday = 1;
    task.Thursday = uint8_t(i % 2);
    task.MonthRepeat = QStringLiteral("Every Month");
    task.Offset = i % 5 - 2;
    task.Every = 1 + i % 30;
    task.EveryType = QStringLiteral("Days");
    task.Date = 80000 + i % 365;
    task.Time = 1 + (i % 8640) * 1000;
    task.LastRunDate = 79000 + i % 365;
    task.LastRunTime = 1 + (i % 4320) * 2000;
    task.AlarmFile = QStringLiteral("/usr/share/sounds/alarm.wav");
    task.AdvanceWarnDate = i % 3 ? 0 : 79999 + i % 365;
    task.AdvanceWarnTime = task.AdvanceWarnDate ? 3600001 : 0;
    task.ExpiryDate = 90000;
    task.ExpiryTime = 4500001;
    task.ShiftType = QStringLiteral("None");
    task.ExceptTimeBegin = 7200001;
    task.ExceptTimeEnd = 8200001;
    return task;
}

// The file an export of the sample tasks writes, made without a table.
QString WriteTaskFile(const QString& dir)
{
    const ExchangeTableInfo& info = ExchangeInfo(ExchangeTable::Schedule);
    const TableDef& def = *ScheduleDefinition();
    const QString path = dir + QStringLiteral("/tasks.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QStringList line;
    for (const ExchangeField& field : info.fields)
        line << ImexHeaderText(field.name);
    file.write(line.join(QLatin1Char(',')).toUtf8() + "\r\n");
    for (int i = 0; i < kTasks; ++i) {
        const ScheduleRecord task = SampleTask(i);
        line.clear();
        for (const ExchangeField& field : info.fields)
            line << ImexValueText(def.Fields()[def.FieldIndex(field.name)].get(task), field.picture);
        file.write(line.join(QLatin1Char(',')).toUtf8() + "\r\n");
    }
    return path;
}

// A data directory of its own for the benchmark's life.
struct DataDir {
    DataDir() : home(QDir::currentPath()) { QDir::setCurrent(dir.path()); DictionaryStart(); }
    ~DataDir()
    {
        DictionaryEnd();
        QDir::setCurrent(home);
    }
    QString home;
    QTemporaryDir dir;
};

int64_t PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void BM_ReadTaskFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = WriteTaskFile(dir.path());
    for (auto _ : state) {
        ImexReader reader = ImexReader::OfFile(path);
        ImexRecord record;
        int64_t records = 0;
        if (!reader.Open())
            state.SkipWithError("open failed");
        while (reader.Next(record))
            ++records;
        if (records != kTasks + 1 || !reader.Error().isEmpty())
            state.SkipWithError("read failed");
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1 << 20);
}

void BM_ImportTasks(benchmark::State& state)
{
    DataDir data;
    const QString path = WriteTaskFile(data.dir.path());
    Dictionary& d = Tables();
    OpenTable(d.Schedule);
    for (auto _ : state) {
        state.PauseTiming();
        d.Schedule.Close();
        QFile::remove(data.dir.path() + "/VLDB.TPS");
        OpenTable(d.Schedule);
        ImexReader reader = ImexReader::OfFile(path);
        reader.Open();
        ImportMapping mapping(ExchangeInfo(ExchangeTable::Schedule), std::move(reader));
        mapping.Auto();
        state.ResumeTiming();
        ImexReader lines = mapping.Reader();
        const ImportResult result = ImportRecords(d.Schedule, mapping, lines, true);
        if (!result.ok || result.added != kTasks)
            state.SkipWithError(qPrintable(result.error));
    }
    state.counters["peak_RSS_MB"] = double(PeakMegabytes());
}

void BM_ExportTasks(benchmark::State& state)
{
    DataDir data;
    Dictionary& d = Tables();
    OpenTable(d.Schedule);
    d.Schedule.Stream();
    for (int i = 0; i < kTasks; ++i) {
        ScheduleRecord task = SampleTask(i);
        if (!d.Schedule.Add(task))
            qFatal("add failed");
    }
    d.Schedule.Flush();
    const auto columns = DefaultExportColumns(ExchangeInfo(ExchangeTable::Schedule));
    const QString path = data.dir.path() + QStringLiteral("/out.csv");
    for (auto _ : state) {
        const ExportResult result = ExportTable(d.Schedule, SCH_KEYCATEGORYDATE, path, columns, true);
        if (!result.ok || result.records != kTasks)
            state.SkipWithError(qPrintable(result.error));
    }
}

BENCHMARK(BM_ReadTaskFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportTasks)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportTasks)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace vl

BENCHMARK_MAIN();
