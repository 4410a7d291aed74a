#include "MEvent.h"

#include "MCategory.h"
#include "UCalendar.h"
#include "UWholeNumber.h"

#include <QHash>
#include <cstdint>

namespace {

constexpr const char* InsertSql =
    "INSERT INTO events (title, content, date, date_ind, non_leap_year_proc, notice_days, category_id) VALUES "
    "(:Title, :Content, :Date, :DateInd, :NonLeapYearProc, :NoticeDays, :CategoryId);";

constexpr const char* ListSql = "SELECT events.*, categories.name, categories.sort_order FROM events JOIN "
                                "categories ON events.category_id = categories.id ";

} // namespace

// Column positions of a result, found by name once per statement.
struct TEvent::TColumns {
    explicit TColumns(const SQLite::Statement& q)
        : id(q.getColumnIndex("id")), title(q.getColumnIndex("title")), content(q.getColumnIndex("content")),
          date(q.getColumnIndex("date")), nonLeapYearProc(q.getColumnIndex("non_leap_year_proc")),
          noticeDays(q.getColumnIndex("notice_days")), categoryId(q.getColumnIndex("category_id"))
    {
    }
    int id, title, content, date, nonLeapYearProc, noticeDays, categoryId;
};

void TEvent::SetDate(int date)
{
    FDate = date;
    FDateInd = date % 10000;
}

QDate TEvent::DateTime() const
{
    if (!IsValidDate(Year(), Month(), Day()))
        throw EConvertError(QStringLiteral("日付に変換できない値が渡されました"));
    return QDate(Year(), Month(), Day());
}

void TEvent::SetYmd(int year, int month, int day)
{
    // 32-bit arithmetic that wraps instead of overflowing.
    const std::uint32_t date = std::uint32_t(year) * 10000u + std::uint32_t(month) * 100u + std::uint32_t(day);
    SetDate(static_cast<std::int32_t>(date));
}

void TEvent::SetCategoryId(int categoryId)
{
    FCategoryId = categoryId;
    InitRelationalField();
}

QString TEvent::CategoryName() const
{
    if (FCategoryName.isEmpty()) FCategoryName = TCategory::FindById(FCategoryId)->Name();
    return FCategoryName;
}

TNonLeapYearProc TEvent::IntToNonLeapYearProc(int value)
{
    switch (value) {
    case 1: return TNonLeapYearProc::Dispaly228;
    case 2: return TNonLeapYearProc::Display301;
    default: return TNonLeapYearProc::Skip;
    }
}

void TEvent::ReadRow(const SQLite::Statement& q, const TColumns& c)
{
    FId = query::Int(q, c.id);
    FTitle = query::Text(q, c.title);
    FContent = query::Text(q, c.content);
    SetDate(query::Int(q, c.date));
    FNonLeapYearProc = IntToNonLeapYearProc(query::Int(q, c.nonLeapYearProc));
    FNoticeDays = query::Int(q, c.noticeDays);
    FCategoryId = query::Int(q, c.categoryId);
    InitRelationalField();
}

void TEvent::BindValues(SQLite::Statement& q) const
{
    query::BindText(q, ":Title", FTitle);
    query::BindText(q, ":Content", FContent);
    query::BindInt(q, ":Date", FDate);
    query::BindInt(q, ":DateInd", FDateInd);
    query::BindInt(q, ":NonLeapYearProc", static_cast<int>(FNonLeapYearProc));
    query::BindInt(q, ":NoticeDays", FNoticeDays);
    query::BindInt(q, ":CategoryId", FCategoryId);
}

bool TEvent::SameStoredFields(const TEvent& o) const
{
    return FId == o.FId && FTitle == o.FTitle && FContent == o.FContent && FDate == o.FDate &&
           FDateInd == o.FDateInd && FNonLeapYearProc == o.FNonLeapYearProc && FNoticeDays == o.FNoticeDays &&
           FCategoryId == o.FCategoryId;
}

int TEvent::CountByCategoryId(int categoryId)
{
    auto q = query::New("SELECT COUNT(1) FROM events WHERE category_id = :CategoryId;");
    query::BindInt(q, ":CategoryId", categoryId);
    q.executeStep();
    return query::Int(q, 0);
}

void TEvent::DeleteByCategoryId(int categoryId)
{
    auto q = query::New("DELETE FROM events WHERE category_id = :CategoryId;");
    query::BindInt(q, ":CategoryId", categoryId);
    q.exec();
}

void TEvent::DeleteById(int id)
{
    auto q = query::New("DELETE FROM events WHERE id = :Id;");
    query::BindInt(q, ":Id", id);
    q.exec();
}

std::unique_ptr<TEvent> TEvent::FindById(int id)
{
    auto q = query::New("SELECT * FROM events WHERE id = :Id;");
    query::BindInt(q, ":Id", id);
    if (!q.executeStep()) throw ERecordNotFoundException(QStringLiteral("Event not found. [%1]").arg(id));
    auto event = std::make_unique<TEvent>();
    event->ReadRow(q, TColumns(q));
    return event;
}

void TEvent::InsertAll(const TEventList& events)
{
    if (events.empty()) return;
    auto q = query::New(InsertSql);
    for (const auto& event : events) {
        event->BindValues(q);
        q.exec();
        q.reset();
    }
}

TEventList TEvent::ReadList(SQLite::Statement& q)
{
    TEventList list;
    const TColumns columns(q);
    const int name = q.getColumnIndex("name");
    // Within one result a category id always joins the same name: decode it once
    // per category and let the events share the one text.
    QHash<int, QString> names;
    while (q.executeStep()) {
        auto event = std::make_unique<TEvent>();
        event->ReadRow(q, columns);
        auto known = names.constFind(event->FCategoryId);
        if (known == names.cend()) known = names.insert(event->FCategoryId, query::Text(q, name));
        event->FCategoryName = *known;
        list.push_back(std::move(event));
    }
    return list;
}

QString EscapeLikeText(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    escaped.replace(QLatin1String("_"), QLatin1String("\\_"));
    escaped.replace(QLatin1String("%"), QLatin1String("\\%"));
    return escaped;
}

TEventList TEvent::Select(const TEventCondition& condition)
{
    const TEventCondition c = condition;
    std::string where;
    const auto add = [&where](const char* clause) {
        where += where.empty() ? "WHERE " : " AND ";
        where += clause;
    };
    if (c.FromDate != -1) add(":FromDate <= date");
    if (c.ToDate != -1) add("date <= :ToDate");
    if (!c.Title.isEmpty()) add("title LIKE :Title ESCAPE '\\'");
    if (c.CategoryId != -1) add("category_id = :CategoryId");
    if (!c.Content.isEmpty()) add("content LIKE :Content ESCAPE '\\'");

    auto q = query::New(std::string(ListSql) + where + " ORDER BY date ASC, sort_order ASC" + ";");
    // Returns a QString, not the string builder that "+" makes: the builder would
    // refer to the escaped text after it is gone.
    const auto likeText = [](const QString& text) -> QString {
        return QLatin1String("%") + EscapeLikeText(text) + QLatin1String("%");
    };
    if (c.FromDate != -1) query::BindInt(q, ":FromDate", c.FromDate);
    if (c.ToDate != -1) query::BindInt(q, ":ToDate", c.ToDate);
    if (!c.Title.isEmpty()) query::BindText(q, ":Title", likeText(c.Title));
    if (c.CategoryId != -1) query::BindInt(q, ":CategoryId", c.CategoryId);
    if (!c.Content.isEmpty()) query::BindText(q, ":Content", likeText(c.Content));
    return ReadList(q);
}

TEventList TEvent::SelectByMmdd(int mmdd, TSortOrder sortOrder, bool isLeapYear)
{
    const char* direction = sortOrder == TSortOrder::Asc ? "ASC" : "DESC";
    const char* clause = " WHERE date_ind = :DateInd";
    if (mmdd == 228 && !isLeapYear)
        clause = " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 1)";
    else if (mmdd == 301 && !isLeapYear)
        clause = " WHERE date_ind = :DateInd OR (date_ind = 229 AND non_leap_year_proc = 2)";

    auto q = query::New(std::string(ListSql) + clause + "  ORDER BY date " + direction + ", sort_order ASC" + ";");
    query::BindInt(q, ":DateInd", mmdd);
    return ReadList(q);
}

void TEvent::Save()
{
    auto insert = query::New(InsertSql);
    BindValues(insert);
    insert.exec();

    auto readBack = query::New("SELECT * FROM events WHERE rowid = last_insert_rowid();");
    if (readBack.executeStep()) ReadRow(readBack, TColumns(readBack));
}

void TEvent::Update()
{
    const auto stored = FindById(FId);
    if (SameStoredFields(*stored)) return;

    auto q = query::New("UPDATE events SET title = :Title, content = :Content, date = :Date, date_ind = :DateInd, "
                        "non_leap_year_proc = :NonLeapYearProc, notice_days = :NoticeDays, category_id = "
                        ":CategoryId, updated_at = CURRENT_TIMESTAMP WHERE id = :Id;");
    BindValues(q);
    query::BindInt(q, ":Id", FId);
    q.exec();
}
