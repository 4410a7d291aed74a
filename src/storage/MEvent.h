#pragma once
// One event, its two date encodings, the 29 February rule, and every statement run
// on the table events.
#include "MDataBaseCommon.h"
#include "UTypes.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

// What an event of 29 February does in a year without 29 February.
enum class TNonLeapYearProc : std::uint8_t {
    Skip = 0,       // not listed
    Dispaly228 = 1, // listed on 28 February
    Display301 = 2, // listed on 1 March
};

// Search criteria; a criterion holding its "not set" value (-1, empty) is ignored.
struct TEventCondition {
    int FromDate = -1; // inclusive lower bound of the full date
    int ToDate = -1;   // inclusive upper bound of the full date
    QString Title;     // part of the title
    int CategoryId = -1;
    QString Content;   // part of the detail text
};

class TEvent;
using TEventList = TObjectList<TEvent>;

class TEvent : public TDataBaseCommon {
public:
    TEvent() = default;

    int Id() const { return FId; }
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& title) { FTitle = title; }
    const QString& Content() const { return FContent; }
    void SetContent(const QString& content) { FContent = content; }

    // The full date, year * 10000 + month * 100 + day. Setting it sets DateInd too.
    int Date() const { return FDate; }
    void SetDate(int date);
    // The month-day, month * 100 + day (the full date modulo 10000).
    int DateInd() const { return FDateInd; }
    int Year() const { return FDate / 10000; }
    int Month() const { return (FDate % 10000) / 100; }
    int Day() const { return FDate % 100; }
    // The recorded date; raises EConvertError "日付に変換できない値が渡されました"
    // when Year, Month and Day are no calendar date.
    QDate DateTime() const;
    // Date := year * 10000 + month * 100 + day, unchecked.
    void SetYmd(int year, int month, int day);

    TNonLeapYearProc NonLeapYearProc() const { return FNonLeapYearProc; }
    void SetNonLeapYearProc(TNonLeapYearProc proc) { FNonLeapYearProc = proc; }
    int NoticeDays() const { return FNoticeDays; }
    void SetNoticeDays(int days) { FNoticeDays = days; }

    int CategoryId() const { return FCategoryId; }
    // Also forgets the held category name.
    void SetCategoryId(int categoryId);
    // The category's name: the held copy, else looked up (and then held).
    QString CategoryName() const;
    // Forgets the held category name.
    void InitRelationalField() { FCategoryName.clear(); }

    // 0, 1 and 2 give their rule; every other value gives Skip.
    static TNonLeapYearProc IntToNonLeapYearProc(int value);

    static int CountByCategoryId(int categoryId);
    static void DeleteByCategoryId(int categoryId);
    static void DeleteById(int id);
    // Raises ERecordNotFoundException "Event not found. [id]" when there is no row.
    static std::unique_ptr<TEvent> FindById(int id);
    // Inserts every event in list order with one prepared statement; reads nothing
    // back. Runs inside the caller's transaction.
    static void InsertAll(const TEventList& events);
    // The events meeting every set criterion, by full date, then category position.
    static TEventList Select(const TEventCondition& condition);
    // The events listed on a day: its month-day, and 29 February events by their rule.
    static TEventList SelectByMmdd(int mmdd, TSortOrder sortOrder, bool isLeapYear);

    // Inserts this event as a new row and reads the row back.
    void Save() override;
    // Writes this event to its row when it differs from the stored row.
    void Update() override;

    // Reads the statement's rows into events (columns found by name).
    static TEventList ReadList(SQLite::Statement& q);

private:
    struct TColumns;
    void ReadRow(const SQLite::Statement& q, const TColumns& columns);
    void BindValues(SQLite::Statement& q) const;
    bool SameStoredFields(const TEvent& other) const;

    int FId = -1;
    QString FTitle;
    QString FContent;
    int FDate = 0;
    int FDateInd = 0;
    TNonLeapYearProc FNonLeapYearProc = TNonLeapYearProc::Skip;
    int FNoticeDays = 0;
    int FCategoryId = -1;
    mutable QString FCategoryName;
};

// The text "\" "_" "%" escaped for LIKE ... ESCAPE '\', so that it matches literally.
QString EscapeLikeText(const QString& text);
