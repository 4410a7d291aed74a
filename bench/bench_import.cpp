// The import dialog at the size of a large import, 100,000 rows, offscreen:
//   opening the file: read, decoded, every row checked, the list shown and painted;
//   storing it: the events built and inserted in one transaction;
//   opening plus storing, beside the sqlite3 shell importing the same file with .import
//   into a plain table;
//   a file whose every row has a faulty date: opening it, and deleting one row of it
//   (which checks every row again and rebuilds its 100,000 errors).
// Peak memory is the process's largest resident size so far.
#include "BenchData.h"
#include "FCategory.h"
#include "FImport.h"
#include "FImportHelp.h"
#include "MDataBaseCommon.h"
#include "UCsvExport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/resource.h>

namespace {

constexpr int RowCount = 100'000;

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString CsvField(const QString& value)
{
    if (!NeedsCsvQuotes(value)) return value;
    QString doubled = value;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

// An import file of RowCount generated events: date, title, detail. With faulty set,
// every date has the month 13.
QString ImportFile(bool faulty)
{
    const QString path = Folder().filePath(faulty ? QStringLiteral("faulty.csv") : QStringLiteral("import.csv"));
    if (QFile::exists(path)) return path;
    QByteArray bytes;
    for (int i = 0; i < RowCount; ++i) {
        const benchdata::TBenchEvent e = benchdata::MakeEvent(i);
        const QString line = QStringLiteral("%1-%2-%3,").arg(e.Year).arg(faulty ? 13 : e.Month).arg(e.Day) +
                             CsvField(e.Title) + u',' + CsvField(e.Content) + QStringLiteral("\r\n");
        bytes += line.toUtf8();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the import file");
    return path;
}

// The desktop of the benchmark: the file dialog answers with the file to open, boxes
// show nothing, and a failure is written out (the checks after each run then fail).
class TBenchPlatform : public TPlatform {
public:
    QString File;
    void ShowMessage(const QString&) override {}
    bool Confirm(const QString&) override { return true; }
    bool InputQuery(const QString&, const QString&, QString&) override { return false; }
    std::optional<QString> OpenFileName(const TFileDialogOptions&) override { return File; }
    std::optional<QString> SaveFileName(const TFileDialogOptions&) override { return std::nullopt; }
    void ShowError(const QString& text) override { std::fprintf(stderr, "error box: %s\n", qPrintable(text)); }
    int ShowModal(TForm& form) override { return form.BeginModal() ? mrNone : form.result(); }
    void ShowModeless(QWidget& window) override { window.show(); }
    QDate Today() override { return QDate(2024, 4, 6); }
};

// A new database file with the schema and the generated categories, and no event.
class TEmptyDatabase {
public:
    TEmptyDatabase()
    {
        const QString path = Folder().filePath(QStringLiteral("import.db"));
        benchdata::FillDatabase(path, 0);
        FConnection.SetParam(QStringLiteral("DataBase"), path);
        FConnection.Connect();
        SetDbConnection(&FConnection);
    }
    ~TEmptyDatabase() { SetDbConnection(nullptr); }
    TEmptyDatabase(const TEmptyDatabase&) = delete;
    TEmptyDatabase& operator=(const TEmptyDatabase&) = delete;

    int EventCount() { return FConnection.Database().execAndGet("SELECT COUNT(*) FROM events").getInt(); }

private:
    TDbConnection FConnection;
};

// The import dialog shown as the user sees it.
class TShownImport {
public:
    TShownImport()
    {
        FPlatform.ShowModal(FImport);
        FImport.resize(640, 640);
        QApplication::processEvents();
    }
    ~TShownImport() { FImport.done(mrCancel); }

    QPushButton& Button(const char* name) { return *FImport.findChild<QPushButton*>(QString::fromLatin1(name)); }
    QTableView& Grid(const char* name) { return *FImport.findChild<QTableView*>(QString::fromLatin1(name)); }

    // Opens the file and paints the dialog with its rows.
    void Open(const QString& path)
    {
        FPlatform.File = path;
        Button("btnOpenFile").click();
        FImport.repaint();
    }
    void Store()
    {
        FImport.findChild<QComboBox*>(QStringLiteral("cmbCategory"))->setCurrentIndex(0);
        Button("btnImport").click();
    }
    int Rows() { return Grid("grdEvents").model()->rowCount(); }
    int Errors() { return Grid("grdError").model()->rowCount(); }

private:
    TBenchPlatform FPlatform;
    TfrmCategory FCategory{FPlatform};
    TfrmImportHelp FHelp{FPlatform};
    TfrmImport FImport{FPlatform, FCategory, FHelp};
};

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// User plus system CPU seconds of this process, or of its finished children.
double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The sqlite3 shell's wall-clock and CPU seconds per import, for the ratios of
// BM_OpenAndStore. The CPU ratio holds also when other work shares the machine.
double GSqlite3Seconds = 0;
double GSqlite3CpuSeconds = 0;

void BM_Sqlite3ShellImport(benchmark::State& state)
{
    const QString file = ImportFile(false);
    const QString database = Folder().filePath(QStringLiteral("sqlite3.db"));
    const QByteArray command = "sqlite3 '" + QFile::encodeName(database) +
                               "' 'CREATE TABLE events (date TEXT, title TEXT, content TEXT);' '.import --csv " +
                               QFile::encodeName(file) + " events'";
    double total = 0;
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(database);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds(RUSAGE_CHILDREN);
        if (std::system(command.constData()) != 0) {
            state.SkipWithError("sqlite3 failed");
            break;
        }
        total += Seconds(start);
        cpu += CpuSeconds(RUSAGE_CHILDREN) - cpuStart;
    }
    GSqlite3Seconds = total / double(state.iterations());
    GSqlite3CpuSeconds = cpu / double(state.iterations());
    state.counters["rows"] = double(RowCount);
    state.counters["cpu_ms"] = GSqlite3CpuSeconds * 1000;
}
BENCHMARK(BM_Sqlite3ShellImport)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_OpenFile(benchmark::State& state)
{
    const QString file = ImportFile(false);
    TEmptyDatabase database;
    TShownImport dialog;
    for (auto _ : state) dialog.Open(file);
    if (dialog.Rows() != RowCount || dialog.Errors() != 0) state.SkipWithError("unexpected rows or errors");
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_OpenFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_StoreImport(benchmark::State& state)
{
    const QString file = ImportFile(false);
    for (auto _ : state) {
        state.PauseTiming();
        TEmptyDatabase database;
        TShownImport dialog;
        dialog.Open(file);
        state.ResumeTiming();
        dialog.Store();
        state.PauseTiming();
        if (database.EventCount() != RowCount) state.SkipWithError("not every row was stored");
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_StoreImport)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_OpenAndStore(benchmark::State& state)
{
    const QString file = ImportFile(false);
    double total = 0;
    double cpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TEmptyDatabase database;
        TShownImport dialog;
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = CpuSeconds(RUSAGE_SELF);
        dialog.Open(file);
        dialog.Store();
        total += Seconds(start);
        cpu += CpuSeconds(RUSAGE_SELF) - cpuStart;
        state.PauseTiming();
        if (database.EventCount() != RowCount) state.SkipWithError("not every row was stored");
        state.ResumeTiming();
    }
    const double iterations = double(state.iterations());
    state.counters["cpu_ms"] = cpu / iterations * 1000;
    if (GSqlite3Seconds > 0) state.counters["x_sqlite3"] = total / iterations / GSqlite3Seconds;
    if (GSqlite3CpuSeconds > 0) state.counters["x_sqlite3_cpu"] = cpu / iterations / GSqlite3CpuSeconds;
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_OpenAndStore)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_OpenFaultyFile(benchmark::State& state)
{
    const QString file = ImportFile(true);
    TEmptyDatabase database;
    TShownImport dialog;
    for (auto _ : state) dialog.Open(file);
    if (dialog.Errors() != RowCount) state.SkipWithError("not every row is faulty");
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_OpenFaultyFile)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_DeleteRowOfFaultyFile(benchmark::State& state)
{
    TEmptyDatabase database;
    TShownImport dialog;
    dialog.Open(ImportFile(true));
    QTableView& grid = dialog.Grid("grdEvents");
    for (auto _ : state) {
        state.PauseTiming();
        grid.setCurrentIndex(grid.model()->index(RowCount / 2, 1));
        state.ResumeTiming();
        dialog.Button("btnDeleteRow").click();
        dialog.Grid("grdError").repaint();
    }
    if (dialog.Errors() != dialog.Rows()) state.SkipWithError("the errors do not follow the rows");
    state.counters["errors"] = double(dialog.Errors());
    state.counters["peak_MB"] = benchdata::PeakMemoryMB();
}
BENCHMARK(BM_DeleteRowOfFaultyFile)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace
