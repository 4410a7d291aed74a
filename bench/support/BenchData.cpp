#include "BenchData.h"

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <array>
#include <cstdio>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace benchdata {

namespace {

struct TMonthDay {
    int Month;
    int Day;
};

// Every month-day of a leap year, 29 February included, in calendar order.
const std::array<TMonthDay, 366>& MonthDays()
{
    static const std::array<TMonthDay, 366> days = [] {
        constexpr std::array<int, 12> lengths = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        std::array<TMonthDay, 366> all{};
        std::size_t n = 0;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= lengths[month - 1]; ++day) all[n++] = {month, day};
        return all;
    }();
    return days;
}

// Two of the twelve titles hold SearchableTitlePart().
const std::array<const char*, 12> Titles = {
    "誕生日",         "結婚記念日", "創立記念日",           "入学式",   "卒業式", "\"初\"の給料日",
    "発売日, 初回限定版", "命日",       "旅行の出発（北海道）", "引っ越し", "資格試験", "開業の日",
};

const std::array<const char*, 5> Contents = {
    "家族で食事に行った。",
    "東京都千代田区にて、親戚一同が集まった。",
    "詳細は\"手帳\"を参照のこと。\n持ち物: 傘, 地図, 切符",
    "",
    "毎年この日には花を贈る。色は白、または薄い黄色。",
};

const std::array<const char*, CategoryCount> Categories = {
    "家族", "友人", "仕事", "学校", "記念日", "趣味, 旅行", "\"特別\"な日", "その他",
};

class TSqlite {
public:
    explicit TSqlite(const std::string& path, int flags)
    {
        if (sqlite3_open_v2(path.c_str(), &FDb, flags, nullptr) != SQLITE_OK) Fail("open " + path);
    }
    ~TSqlite() { sqlite3_close(FDb); }
    TSqlite(const TSqlite&) = delete;
    TSqlite& operator=(const TSqlite&) = delete;

    void Exec(const char* sql)
    {
        if (sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
    }
    sqlite3_stmt* Prepare(const char* sql)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(FDb, sql, -1, &stmt, nullptr) != SQLITE_OK) Fail(sql);
        return stmt;
    }
    void Step(sqlite3_stmt* stmt)
    {
        if (sqlite3_step(stmt) != SQLITE_DONE) Fail(sqlite3_sql(stmt));
        sqlite3_reset(stmt);
    }
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw std::runtime_error("benchmark data: " + what + ": " + (FDb ? sqlite3_errmsg(FDb) : "out of memory"));
    }
    sqlite3* Handle() const { return FDb; }

private:
    sqlite3* FDb = nullptr;
};

// A prepared statement finalized on every path.
struct TStmt {
    sqlite3_stmt* Handle;
    ~TStmt() { sqlite3_finalize(Handle); }
};

void BindText(sqlite3_stmt* stmt, int index, const QByteArray& text)
{
    sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

// The number of events in the file, or -1 when it is missing or no such database.
int StoredEventCount(const QString& path)
{
    if (!QFile::exists(path)) return -1;
    try {
        TSqlite db(QFile::encodeName(path).toStdString(), SQLITE_OPEN_READONLY);
        TStmt count{db.Prepare("SELECT COUNT(*) FROM events;")};
        TStmt categories{db.Prepare("SELECT COUNT(*) FROM categories;")};
        if (sqlite3_step(count.Handle) != SQLITE_ROW || sqlite3_step(categories.Handle) != SQLITE_ROW) return -1;
        if (sqlite3_column_int(categories.Handle, 0) != CategoryCount) return -1;
        return sqlite3_column_int(count.Handle, 0);
    } catch (const std::runtime_error&) {
        return -1;
    }
}

} // namespace

QString CategoryName(int categoryId)
{
    return QString::fromUtf8(Categories.at(std::size_t(categoryId - 1)));
}

QString SearchableTitlePart()
{
    return QStringLiteral("記念日");
}

TBenchEvent MakeEvent(int index)
{
    const TMonthDay md = MonthDays()[std::size_t(index % 366)];
    const int round = index / 366;
    TBenchEvent event{};
    event.Month = md.Month;
    event.Day = md.Day;
    if (md.Month == 2 && md.Day == 29) {
        event.Year = 1904 + 4 * (round % 32); // the leap years 1904..2028
        event.NonLeapYearProc = round % 3;
    } else {
        event.Year = 1900 + (round * 37 + index) % 131; // 1900..2030
        event.NonLeapYearProc = 0;
    }
    event.Title = QString::fromUtf8(Titles[std::size_t(index % int(Titles.size()))]) + QStringLiteral(" その") +
                  QString::number(index);
    event.Content = QString::fromUtf8(Contents[std::size_t(round % int(Contents.size()))]);
    event.CategoryId = (index * 5 + round) % CategoryCount + 1;
    return event;
}

void FillDatabase(const QString& path, int eventCount)
{
    QFile::remove(path);
    TSqlite db(QFile::encodeName(path).toStdString(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // A scratch file until it is complete: no journal and no syncing while it is made.
    db.Exec("PRAGMA journal_mode = OFF;");
    db.Exec("PRAGMA synchronous = OFF;");
    for (const char* sql : SchemaStatements) db.Exec(sql);

    db.Exec("BEGIN;");
    {
        TStmt category{db.Prepare("INSERT INTO categories (name, sort_order) VALUES (?1, ?2);")};
        for (int id = 1; id <= CategoryCount; ++id) {
            BindText(category.Handle, 1, CategoryName(id).toUtf8());
            sqlite3_bind_int(category.Handle, 2, id);
            db.Step(category.Handle);
        }
        TStmt insert{db.Prepare("INSERT INTO events (title, content, date, date_ind, non_leap_year_proc, "
                                "notice_days, category_id) VALUES (?1, ?2, ?3, ?4, ?5, 0, ?6);")};
        for (int i = 0; i < eventCount; ++i) {
            const TBenchEvent event = MakeEvent(i);
            BindText(insert.Handle, 1, event.Title.toUtf8());
            BindText(insert.Handle, 2, event.Content.toUtf8());
            sqlite3_bind_int(insert.Handle, 3, event.Date());
            sqlite3_bind_int(insert.Handle, 4, event.DateInd());
            sqlite3_bind_int(insert.Handle, 5, event.NonLeapYearProc);
            sqlite3_bind_int(insert.Handle, 6, event.CategoryId);
            db.Step(insert.Handle);
        }
    }
    db.Exec("COMMIT;");
}

QString CachedDatabasePath(int eventCount)
{
    return QStringLiteral(MARLUNE_BENCH_DATA_DIR "/events-%1.db").arg(eventCount);
}

TBenchDatabase::TBenchDatabase(int eventCount) : FPath(CachedDatabasePath(eventCount))
{
    if (StoredEventCount(FPath) != eventCount) {
        QDir().mkpath(QStringLiteral(MARLUNE_BENCH_DATA_DIR));
        // Made under a name of its own and renamed when complete, so that an
        // interrupted run or a second benchmark process never sees half a file.
        const QString scratch = FPath + QStringLiteral(".%1.tmp").arg(::getpid());
        FillDatabase(scratch, eventCount);
        if (std::rename(QFile::encodeName(scratch).constData(), QFile::encodeName(FPath).constData()) != 0) {
            QFile::remove(scratch);
            throw std::runtime_error("benchmark data: cannot rename " + scratch.toStdString());
        }
    }
    FConnection.SetParam(QStringLiteral("DataBase"), FPath);
    FConnection.Connect();
    SetDbConnection(&FConnection);
}

TBenchDatabase::~TBenchDatabase()
{
    if (DbConnection() == &FConnection) SetDbConnection(nullptr);
}

double PeakMemoryMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace benchdata
