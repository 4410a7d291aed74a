#include "TestDatabase.h"

#include "MCategory.h"
#include "MEvent.h"

TTestDatabase::TTestDatabase() : FPath(FDir.filePath(QStringLiteral("Marlune.db")))
{
    FConnection.SetParam(QStringLiteral("DataBase"), FPath);
    FConnection.Connect();
    CreateSchema(FConnection);
    SetDbConnection(&FConnection);
}

TTestDatabase::~TTestDatabase()
{
    SetDbConnection(nullptr);
}

int TTestDatabase::AddCategory(const QString& name)
{
    return AddTestCategory(name);
}

int TTestDatabase::AddEvent(int year, int month, int day, const QString& title, int categoryId, int nonLeapYearProc,
                            const QString& content)
{
    return AddTestEvent(year, month, day, title, categoryId, nonLeapYearProc, content);
}

int AddTestCategory(const QString& name)
{
    TCategory category;
    category.SetName(name);
    category.Save();
    return category.Id();
}

int AddTestEvent(int year, int month, int day, const QString& title, int categoryId, int nonLeapYearProc,
                 const QString& content)
{
    TEvent event;
    event.SetYmd(year, month, day);
    event.SetTitle(title);
    event.SetContent(content);
    event.SetCategoryId(categoryId);
    event.SetNonLeapYearProc(TEvent::IntToNonLeapYearProc(nonLeapYearProc));
    event.Save();
    return event.Id();
}

int TTestDatabase::ScalarInt(const std::string& sql)
{
    SQLite::Statement q(FConnection.Database(), sql);
    return q.executeStep() ? q.getColumn(0).getInt() : 0;
}

QString TTestDatabase::ScalarText(const std::string& sql)
{
    SQLite::Statement q(FConnection.Database(), sql);
    return q.executeStep() ? QString::fromUtf8(q.getColumn(0).getText()) : QString();
}
