// The storage layer's three heavy operations, each against a bare prepared sqlite3
// statement that runs the same SQL and reads the same columns, in the same run:
//   SelectByMmdd over 1,000,000 events (about 2,700 on each day),
//   Select by a part of the title over 1,000,000 events,
//   InsertAll of 100,000 events in one transaction.
// The two calls run in turns; the counters give the median wall-clock and CPU time
// per call of each and their ratios. The 1,000,000-event database is made once in
// the build folder and reused.
#include "BenchData.h"
#include "MEvent.h"
#include "UCalendar.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int LargeCount = 1'000'000;
constexpr int InsertCount = 100'000;

benchdata::TBenchDatabase& LargeDatabase()
{
    static benchdata::TBenchDatabase database(LargeCount);
    SetDbConnection(&database.Connection());
    return database;
}

// A bare prepared statement, finalized with its owner.
class TBareStatement {
public:
    TBareStatement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &FStmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~TBareStatement() { sqlite3_finalize(FStmt); }
    TBareStatement(const TBareStatement&) = delete;
    TBareStatement& operator=(const TBareStatement&) = delete;
    sqlite3_stmt* operator*() const { return FStmt; }

private:
    sqlite3_stmt* FStmt = nullptr;
};

// Reads the columns that the storage layer reads into an event and its category
// name, by the positions of their names; returns the number of rows.
class TBareRowReader {
public:
    explicit TBareRowReader(sqlite3_stmt* stmt)
    {
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const std::string name = sqlite3_column_name(stmt, i);
            if (name == "id") FId = i;
            else if (name == "title") FTitle = i;
            else if (name == "content") FContent = i;
            else if (name == "date") FDate = i;
            else if (name == "non_leap_year_proc") FProc = i;
            else if (name == "notice_days") FNotice = i;
            else if (name == "category_id") FCategory = i;
            else if (name == "name") FName = i;
        }
    }
    std::int64_t ReadAll(sqlite3_stmt* stmt) const
    {
        std::int64_t rows = 0;
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            std::int64_t sum = sqlite3_column_int(stmt, FId) + sqlite3_column_int(stmt, FDate) +
                               sqlite3_column_int(stmt, FProc) + sqlite3_column_int(stmt, FNotice) +
                               sqlite3_column_int(stmt, FCategory);
            for (const int text : {FTitle, FContent, FName}) {
                const unsigned char* value = sqlite3_column_text(stmt, text);
                benchmark::DoNotOptimize(value);
                sum += sqlite3_column_bytes(stmt, text);
            }
            benchmark::DoNotOptimize(sum);
            ++rows;
        }
        sqlite3_reset(stmt);
        return rows;
    }

private:
    int FId = 0, FTitle = 0, FContent = 0, FDate = 0, FProc = 0, FNotice = 0, FCategory = 0, FName = 0;
};

const std::string ListSql = "SELECT events.*, categories.name, categories.sort_order FROM events JOIN categories ON "
                            "events.category_id = categories.id ";

// The days asked for, one after another: an ordinary day, and 28 February and
// 1 March of a year without 29 February, whose lists take in 29 February events.
struct TDay {
    int Mmdd;
    int Year;
};
constexpr TDay Days[] = {{714, 2024}, {228, 2023}, {301, 2023}};

std::string DayClause(const TDay& day)
{
    if (!IsLeapYear(day.Year) && day.Mmdd == 228)
        return " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 1)";
    if (!IsLeapYear(day.Year) && day.Mmdd == 301)
        return " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 2)";
    return " WHERE date_ind = :DateInd";
}

// Two title parts: one that about one title in six holds, and one that few hold
// (the scan over every title dominates).
QString TitlePart(std::int64_t which)
{
    return which == 0 ? benchdata::SearchableTitlePart() : QStringLiteral("その12345");
}

// A new, empty database with the generated categories, published as DbConnection.
class TEmptyDatabase {
public:
    TEmptyDatabase()
    {
        const QString path = FDir.filePath(QStringLiteral("Marlune.db"));
        benchdata::FillDatabase(path, 0);
        FConnection.SetParam(QStringLiteral("DataBase"), path);
        FConnection.Connect();
        SetDbConnection(&FConnection);
    }
    ~TEmptyDatabase() { SetDbConnection(nullptr); }
    sqlite3* Handle() { return FConnection.Database().getHandle(); }

private:
    QTemporaryDir FDir;
    TDbConnection FConnection;
};

// The events to insert, as the import builds them.
const TEventList& EventsToInsert()
{
    static const TEventList events = [] {
        TEventList list;
        list.reserve(InsertCount);
        for (int i = 0; i < InsertCount; ++i) {
            const benchdata::TBenchEvent source = benchdata::MakeEvent(i);
            auto event = std::make_unique<TEvent>();
            event->SetTitle(source.Title);
            event->SetContent(source.Content);
            event->SetYmd(source.Year, source.Month, source.Day);
            event->SetNonLeapYearProc(TEvent::IntToNonLeapYearProc(source.NonLeapYearProc));
            event->SetCategoryId(source.CategoryId);
            list.push_back(std::move(event));
        }
        return list;
    }();
    return events;
}

// The wall-clock and thread CPU time of one call.
struct TSample {
    double Wall;
    double Cpu;
};

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

template <class Work>
TSample Measure(Work&& work)
{
    const auto wall = std::chrono::steady_clock::now();
    const double cpu = ThreadCpuSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(), ThreadCpuSeconds() - cpu};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the storage call and the bare call in turns (which goes first alternates),
// so that both meet the same load on the machine, and reports the medians per
// call and their ratio. Each call returns its own sample, so that it can leave its
// set-up out. The Time column is the storage call's wall-clock time.
template <class Storage, class Bare>
void RunPaired(benchmark::State& state, Storage storage, Bare bare)
{
    std::vector<double> storageWall, storageCpu, bareWall, bareCpu;
    bool storageFirst = true;
    for (auto _ : state) {
        TSample s{}, b{};
        if (storageFirst) {
            s = storage();
            b = bare();
        } else {
            b = bare();
            s = storage();
        }
        storageFirst = !storageFirst;
        state.SetIterationTime(s.Wall);
        storageWall.push_back(s.Wall);
        storageCpu.push_back(s.Cpu);
        bareWall.push_back(b.Wall);
        bareCpu.push_back(b.Cpu);
    }
    const double sw = Median(storageWall), sc = Median(storageCpu), bw = Median(bareWall), bc = Median(bareCpu);
    state.counters["storage_ms"] = sw * 1e3;
    state.counters["bare_ms"] = bw * 1e3;
    state.counters["wall_ratio"] = sw / bw;
    state.counters["storage_cpu_ms"] = sc * 1e3;
    state.counters["bare_cpu_ms"] = bc * 1e3;
    state.counters["cpu_ratio"] = sc / bc;
}

// A list query of the storage layer against its bare statement, prepared once and
// bound by BindBare before each run. Both run once first to warm the page cache,
// and both must read the same number of rows.
template <class StorageQuery, class BindBare>
void RunListQuery(benchmark::State& state, const std::string& bareSql, StorageQuery storageQuery, BindBare bindBare)
{
    sqlite3* db = LargeDatabase().Connection().Database().getHandle();
    const TBareStatement stmt(db, bareSql);
    const TBareRowReader reader(*stmt);
    std::int64_t storageRows = 0, bareRows = 0;
    const auto storage = [&] { return Measure([&] { storageRows = std::int64_t(storageQuery().size()); }); };
    const auto bare = [&] {
        return Measure([&] {
            bindBare(*stmt);
            bareRows = reader.ReadAll(*stmt);
        });
    };
    storage();
    bare();
    RunPaired(state, storage, bare);
    if (storageRows != bareRows) state.SkipWithError("the two statements read different rows");
    state.counters["rows"] = double(storageRows);
}

// The day list of one day: TEvent::SelectByMmdd beside the same SELECT.
void SelectByMmdd(benchmark::State& state)
{
    const TDay day = Days[state.range(0)];
    RunListQuery(
        state, ListSql + DayClause(day) + "  ORDER BY date ASC, sort_order ASC;",
        [&] { return TEvent::SelectByMmdd(day.Mmdd, TSortOrder::Asc, IsLeapYear(day.Year)); },
        [&](sqlite3_stmt* stmt) { sqlite3_bind_int(stmt, sqlite3_bind_parameter_index(stmt, ":DateInd"), day.Mmdd); });
}

// The search by a title part: TEvent::Select beside the same SELECT.
void SelectByTitle(benchmark::State& state)
{
    TEventCondition condition;
    condition.Title = TitlePart(state.range(0));
    const QByteArray pattern = (QLatin1String("%") + EscapeLikeText(condition.Title) + QLatin1String("%")).toUtf8();
    RunListQuery(
        state, ListSql + "WHERE title LIKE :Title ESCAPE '\\' ORDER BY date ASC, sort_order ASC;",
        [&] { return TEvent::Select(condition); },
        [&](sqlite3_stmt* stmt) { sqlite3_bind_text(stmt, 1, pattern.constData(), int(pattern.size()), SQLITE_STATIC); });
}

// 100,000 events in one transaction into a new database: TEvent::InsertAll beside a
// bare prepared-statement loop over the same list, both with the program's
// connection settings (so both commit with a full sync).
void InsertAll(benchmark::State& state)
{
    const TEventList& events = EventsToInsert();
    const auto storage = [&] {
        TEmptyDatabase database;
        return Measure([&] {
            SQLite::Transaction tx(Db());
            TEvent::InsertAll(events);
            tx.commit();
        });
    };
    const auto bare = [&] {
        TEmptyDatabase database;
        sqlite3* db = database.Handle();
        return Measure([&] {
            sqlite3_exec(db, "BEGIN;", nullptr, nullptr, nullptr);
            {
                const TBareStatement stmt(db, "INSERT INTO events (title, content, date, date_ind, non_leap_year_proc, "
                                              "notice_days, category_id) VALUES (:Title, :Content, :Date, :DateInd, "
                                              ":NonLeapYearProc, :NoticeDays, :CategoryId);");
                for (const auto& event : events) {
                    const QByteArray title = event->Title().toUtf8();
                    const QByteArray content = event->Content().toUtf8();
                    sqlite3_bind_text(*stmt, 1, title.constData(), int(title.size()), SQLITE_STATIC);
                    sqlite3_bind_text(*stmt, 2, content.constData(), int(content.size()), SQLITE_STATIC);
                    sqlite3_bind_int(*stmt, 3, event->Date());
                    sqlite3_bind_int(*stmt, 4, event->DateInd());
                    sqlite3_bind_int(*stmt, 5, int(event->NonLeapYearProc()));
                    sqlite3_bind_int(*stmt, 6, event->NoticeDays());
                    sqlite3_bind_int(*stmt, 7, event->CategoryId());
                    if (sqlite3_step(*stmt) != SQLITE_DONE) throw std::runtime_error(sqlite3_errmsg(db));
                    sqlite3_reset(*stmt);
                }
            }
            sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
        });
    };
    RunPaired(state, storage, bare);
    state.counters["storage_rows_per_s"] = InsertCount / (state.counters["storage_ms"] / 1e3);
    state.counters["bare_rows_per_s"] = InsertCount / (state.counters["bare_ms"] / 1e3);
}

} // namespace

// The day and part arguments index Days and TitlePart.
BENCHMARK(SelectByMmdd)->ArgName("day")->DenseRange(0, 2)->Iterations(200)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SelectByTitle)->ArgName("part")->DenseRange(0, 1)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(InsertAll)->Iterations(7)->UseManualTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
