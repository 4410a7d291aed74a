// The CSV files of the program at their largest:
//   ReadImportCsv on a generated 100 MB import file with quoted fields, line breaks
//   inside quotes and Japanese text (bytes per second);
//   the export of all 1,000,000 events (the search and the file) beside the sqlite3
//   shell writing the same four columns of the same database to a CSV file.
#include "BenchData.h"
#include "MEvent.h"
#include "UCsvExport.h"
#include "UCsvImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>

namespace {

constexpr int LargeCount = 1'000'000;
constexpr qsizetype ImportFileSize = 100'000'000;

// A field of an import file, quoted when the export would quote it.
void AppendImportField(QString& line, const QString& value)
{
    if (!NeedsCsvQuotes(value)) {
        line += value;
        return;
    }
    QString doubled = value;
    doubled.replace(u'"', QStringLiteral("\"\""));
    line += u'"' + doubled + u'"';
}

// Lines of date, title and detail from the generated events until the size is reached;
// every seventh line has a fourth field, which the reader drops.
const QByteArray& ImportFile()
{
    static const QByteArray bytes = [] {
        QByteArray file;
        file.reserve(ImportFileSize + 4096);
        for (int i = 0; file.size() < ImportFileSize; ++i) {
            const benchdata::TBenchEvent e = benchdata::MakeEvent(i);
            QString line = QStringLiteral("%1/%2/%3,").arg(e.Year).arg(e.Month).arg(e.Day);
            AppendImportField(line, e.Title);
            line += u',';
            AppendImportField(line, e.Content);
            if (i % 7 == 0) line += QStringLiteral(",余分な項目");
            line += QStringLiteral("\r\n");
            file += line.toUtf8();
        }
        return file;
    }();
    return bytes;
}

void BM_ReadImportCsv(benchmark::State& state)
{
    const QByteArray& bytes = ImportFile();
    std::vector<TImportRecord> records;
    for (auto _ : state) {
        // Freeing the last result is the caller's work, not the reader's.
        state.PauseTiming();
        records = {};
        state.ResumeTiming();
        records = ReadImportCsv(bytes);
        benchmark::DoNotOptimize(records.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * bytes.size());
    state.counters["records"] = double(records.size());
    state.counters["file_MB"] = double(bytes.size()) / 1e6;
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_ReadImportCsv)->Unit(benchmark::kMillisecond)->Iterations(5);

benchdata::TBenchDatabase& LargeDatabase()
{
    static benchdata::TBenchDatabase database(LargeCount);
    SetDbConnection(&database.Connection());
    return database;
}

QTemporaryDir& OutputFolder()
{
    static QTemporaryDir folder;
    return folder;
}

qint64 FileSize(const QString& path)
{
    return QFile(path).size();
}

// What the search dialog does for an export of everything: the search, then the file.
void BM_ExportAllEvents(benchmark::State& state)
{
    LargeDatabase();
    const QString path = OutputFolder().filePath(QStringLiteral("export.csv"));
    for (auto _ : state) {
        const TEventList events = TEvent::Select({});
        ExportCsvFile(path, events);
    }
    state.counters["file_MB"] = double(FileSize(path)) / 1e6;
}
BENCHMARK(BM_ExportAllEvents)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The writing alone, from events already read.
void BM_ExportFileOnly(benchmark::State& state)
{
    LargeDatabase();
    const TEventList events = TEvent::Select({});
    const QString path = OutputFolder().filePath(QStringLiteral("export-only.csv"));
    for (auto _ : state) ExportCsvFile(path, events);
    state.counters["file_MB"] = double(FileSize(path)) / 1e6;
}
BENCHMARK(BM_ExportFileOnly)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The sqlite3 shell writing the same four columns in the same order.
void BM_Sqlite3ShellCsv(benchmark::State& state)
{
    const QString database = LargeDatabase().Path();
    const QString path = OutputFolder().filePath(QStringLiteral("sqlite3.csv"));
    const QByteArray command =
        "sqlite3 -csv '" + QFile::encodeName(database) +
        "' \"SELECT printf('%04d-%02d-%02d', date / 10000, date / 100 % 100, date % 100), title, content, "
        "categories.name FROM events JOIN categories ON events.category_id = categories.id "
        "ORDER BY date ASC, sort_order ASC;\" > '" +
        QFile::encodeName(path) + "'";
    for (auto _ : state) {
        if (std::system(command.constData()) != 0) {
            state.SkipWithError("sqlite3 failed");
            break;
        }
    }
    state.counters["file_MB"] = double(FileSize(path)) / 1e6;
}
BENCHMARK(BM_Sqlite3ShellCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
