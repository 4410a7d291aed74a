#pragma once
// Benchmark data: a deterministic set of events spread evenly over all 366
// month-days (29 February included), years 1900 to 2030, and a few categories.
// Titles and details are Japanese, some with commas, double quotes and line breaks.
#include "MDataBaseCommon.h"

#include <QString>
#include <memory>

namespace benchdata {

// Number of categories in every generated database; their ids are 1..CategoryCount
// and their positions (sort_order) are the same numbers.
constexpr int CategoryCount = 8;

// The name of category 1..CategoryCount.
QString CategoryName(int categoryId);

// One generated event, by its index 0..N-1. The same index always gives the same event.
// Index i falls on month-day number i % 366 of the year (a 29 February falls in a leap
// year), so N events give N / 366 events per month-day, give or take one.
struct TBenchEvent {
    int Year;
    int Month;
    int Day;
    QString Title;
    QString Content;
    int CategoryId;      // 1..CategoryCount
    int NonLeapYearProc; // 0, 1 or 2 for 29 February, 0 otherwise
    int Date() const { return Year * 10000 + Month * 100 + Day; }
    int DateInd() const { return Month * 100 + Day; }
};
TBenchEvent MakeEvent(int index);

// A part of some titles, for title searches: about one title in six contains it.
QString SearchableTitlePart();

// Writes a new database file at path (replacing any file there) with the program's
// schema, the categories and events 0..eventCount-1, in one transaction through a
// bare prepared statement.
void FillDatabase(const QString& path, int eventCount);

// The path of the cached database of eventCount events in the build folder.
QString CachedDatabasePath(int eventCount);

// An open database of eventCount generated events, published as DbConnection while
// the object lives. It reuses the cached file when that already holds eventCount
// events and makes it otherwise, so the large databases are made once. Benchmarks
// only read it; a benchmark that writes makes its own file with FillDatabase.
class TBenchDatabase {
public:
    explicit TBenchDatabase(int eventCount);
    ~TBenchDatabase();
    TBenchDatabase(const TBenchDatabase&) = delete;
    TBenchDatabase& operator=(const TBenchDatabase&) = delete;

    TDbConnection& Connection() { return FConnection; }
    QString Path() const { return FPath; }

private:
    QString FPath;
    TDbConnection FConnection;
};

// The process's peak resident memory so far, in MiB.
double PeakMemoryMB();

} // namespace benchdata
