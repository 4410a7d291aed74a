// The main window on a database of 1,000,000 events (about 2,700 a day): the time
// from setting the calendar to another day until the list is filled and painted,
// beside the same day query through a bare sqlite3 statement, and the time from
// creating the main window until it is shown.
#include "BenchData.h"
#include "FMain.h"
#include "UDataFolder.h"
#include "UQtPlatform.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <memory>

namespace {

constexpr int EventCount = 1000000;

// A data home whose database is a copy of the generated one.
class TBenchHome {
public:
    TBenchHome()
    {
        qputenv("XDG_DATA_HOME", FHome.path().toLocal8Bit());
        const QString folder = DataFolderOf(HomePath());
        QDir().mkpath(folder);
        { benchdata::TBenchDatabase make(EventCount); } // makes the cached file once
        QFile::copy(benchdata::CachedDatabasePath(EventCount), DatabaseFileOf(folder));
    }
    QString DatabaseFile() const { return DatabaseFileOf(DataFolderOf(HomePath())); }

private:
    QTemporaryDir FHome;
};

TBenchHome& Home()
{
    static TBenchHome home;
    return home;
}

// Days to switch between: ordinary days, and the days of the 29 February rule.
const QDate Days[] = {QDate(2023, 7, 14), QDate(2023, 2, 28), QDate(2023, 3, 1), QDate(2024, 2, 29),
                      QDate(2023, 12, 31)};

void BM_DaySwitch(benchmark::State& state)
{
    Home();
    TQtPlatform platform;
    TfrmMain window(platform);
    window.show();
    auto* calendar = window.findChild<QCalendarWidget*>(QStringLiteral("calDate"));
    auto* grid = window.findChild<QTableView*>(QStringLiteral("grdEvent"));
    size_t i = 0;
    long rows = 0;
    for (auto _ : state) {
        calendar->setSelectedDate(Days[i++ % std::size(Days)]);
        grid->viewport()->repaint();
        rows += grid->model()->rowCount();
    }
    state.counters["rows_per_day"] = double(rows) / double(state.iterations());
    window.close();
}
BENCHMARK(BM_DaySwitch)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same statement as the day list, through a bare prepared statement that reads
// every column of every row.
void BM_BareDayQuery(benchmark::State& state)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(Home().DatabaseFile()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_exec(db, "PRAGMA cache_size = 10000;", nullptr, nullptr, nullptr); // as the program's connection
    size_t i = 0;
    for (auto _ : state) {
        const QDate day = Days[i++ % std::size(Days)];
        const int mmdd = day.month() * 100 + day.day();
        const bool leap = QDate::isLeapYear(day.year());
        const char* clause = " WHERE date_ind = :DateInd";
        if (mmdd == 228 && !leap) clause = " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 1)";
        if (mmdd == 301 && !leap) clause = " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 2)";
        const std::string sql = std::string("SELECT events.*, categories.name, categories.sort_order FROM events JOIN "
                                            "categories ON events.category_id = categories.id ") +
                                clause + "  ORDER BY date ASC, sort_order ASC;";
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        sqlite3_bind_int(stmt, 1, mmdd);
        long bytes = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) bytes += sqlite3_column_bytes(stmt, c);
        }
        sqlite3_finalize(stmt);
        benchmark::DoNotOptimize(bytes);
    }
    sqlite3_close(db);
}
BENCHMARK(BM_BareDayQuery)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// From creating the main window (open the database, read the settings, load today)
// until it has been shown and painted.
void BM_StartUpToShownWindow(benchmark::State& state)
{
    Home();
    for (auto _ : state) {
        TQtPlatform platform;
        auto window = std::make_unique<TfrmMain>(platform);
        window->show();
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window->close();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
