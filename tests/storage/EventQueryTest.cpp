// The two list queries: the events of one day with the 29 February rule, and the
// search by criteria; both ordered by date, then by the category's position.
#include "MCategory.h"
#include "StorageCheck.h"
#include "UCalendar.h"

#include <gtest/gtest.h>

namespace {

// Three categories whose positions run against their ids: 三 first, then 二, then 一.
class EventQueryTest : public DatabaseTest {
protected:
    EventQueryTest()
    {
        db.Connection().ExecSQL(("UPDATE categories SET sort_order = 4 - sort_order;"));
    }

    int one = db.AddCategory(QStringLiteral("一"));
    int two = db.AddCategory(QStringLiteral("二"));
    int three = db.AddCategory(QStringLiteral("三"));
};

QStringList Titles(std::initializer_list<const char*> titles)
{
    QStringList list;
    for (const char* title : titles) list << QString::fromUtf8(title);
    return list;
}

TEventList Day(int year, int month, int day, TSortOrder order = TSortOrder::Asc)
{
    return TEvent::SelectByMmdd(month * 100 + day, order, IsLeapYear(year));
}

} // namespace

TEST_F(EventQueryTest, TheTwentyNinthOfFebruaryIsListedByItsRuleInYearsWithoutIt)
{
    db.AddEvent(2001, 2, 28, QStringLiteral("0228"), one);
    db.AddEvent(2004, 2, 29, QStringLiteral("skip"), one, 0);
    db.AddEvent(2008, 2, 29, QStringLiteral("to228"), two, 1);
    db.AddEvent(2012, 2, 29, QStringLiteral("to301"), three, 2);
    db.AddEvent(1999, 3, 1, QStringLiteral("0301"), one);

    struct {
        int year, month, day;
        QStringList titles;
    } cases[] = {
        {1900, 2, 28, Titles({"0228", "to228"})}, {1900, 3, 1, Titles({"0301", "to301"})},
        {2000, 2, 28, Titles({"0228"})},          {2000, 2, 29, Titles({"skip", "to228", "to301"})},
        {2000, 3, 1, Titles({"0301"})},           {2023, 2, 28, Titles({"0228", "to228"})},
        {2023, 3, 1, Titles({"0301", "to301"})},  {2024, 2, 28, Titles({"0228"})},
        {2024, 2, 29, Titles({"skip", "to228", "to301"})}, {2024, 3, 1, Titles({"0301"})},
        {2023, 3, 2, Titles({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(TitlesOf(Day(c.year, c.month, c.day)), c.titles);
    }

    // A listed 29 February event keeps its own date.
    const auto march = Day(2023, 3, 1);
    ASSERT_EQ(march.size(), 2u);
    EXPECT_EQ(march[1]->Date(), 20120229);
    EXPECT_EQ(march[1]->DateInd(), 229);
    EXPECT_EQ(march[1]->NonLeapYearProc(), TNonLeapYearProc::Display301);
}

TEST_F(EventQueryTest, ADayListsItsEventsOfEveryYearByDateThenCategoryPosition)
{
    db.AddEvent(2030, 7, 14, QStringLiteral("2030"), two);
    db.AddEvent(1990, 7, 14, QStringLiteral("1990二"), two);
    db.AddEvent(1990, 7, 14, QStringLiteral("1990一"), one);
    db.AddEvent(2020, 7, 14, QStringLiteral("2020"), one);
    db.AddEvent(1990, 7, 14, QStringLiteral("1990三"), three);
    db.AddEvent(2020, 7, 15, QStringLiteral("翌日"), one);

    EXPECT_EQ(TitlesOf(Day(2020, 7, 14, TSortOrder::Asc)), Titles({"1990三", "1990二", "1990一", "2020", "2030"}));
    // Descending turns the dates round; within one date the positions stay ascending.
    EXPECT_EQ(TitlesOf(Day(2020, 7, 14, TSortOrder::Desc)), Titles({"2030", "2020", "1990三", "1990二", "1990一"}));

    // Each listed event carries its category's name from the same statement.
    const auto list = Day(1800, 7, 14);
    db.Connection().ExecSQL("UPDATE categories SET name = '改名';");
    EXPECT_EQ(list[0]->CategoryName(), QStringLiteral("三"));
    EXPECT_EQ(list[4]->CategoryName(), QStringLiteral("二"));
    EXPECT_EQ(list[4]->Date(), 20300714);
}

class EventSearchTest : public EventQueryTest {
protected:
    EventSearchTest()
    {
        db.AddEvent(2019, 12, 31, QStringLiteral("50%割引"), one, 0, QStringLiteral("年末"));
        db.AddEvent(2020, 1, 1, QStringLiteral("5000円"), two, 0, QStringLiteral("詳細 a_b"));
        db.AddEvent(2020, 6, 15, QStringLiteral("axb"), one, 0, QStringLiteral("ABC"));
        db.AddEvent(2020, 6, 15, QStringLiteral("a_b"), three, 0, QStringLiteral("c:\\temp"));
        db.AddEvent(2020, 12, 31, QStringLiteral("C:\\temp"), two, 0, QStringLiteral("Ｃ"));
        db.AddEvent(2021, 1, 1, QStringLiteral("ABC"), three, 0, QStringLiteral("カタカナ"));
        db.AddEvent(2021, 6, 1, QStringLiteral("ＡＢＣ"), one, 0, QStringLiteral("かたかな"));
        db.AddEvent(1990, 7, 14, QStringLiteral("誕生日"), two, 0, QStringLiteral("50%"));
    }
};

TEST_F(EventSearchTest, EachCriterionAndTheirCombination)
{
    struct {
        const char* what;
        TEventCondition condition;
        QStringList titles;
    } cases[] = {
        {"nothing set", {}, Titles({"誕生日", "50%割引", "5000円", "a_b", "axb", "C:\\temp", "ABC", "ＡＢＣ"})},
        {"the year 2020", {.FromDate = 20200101, .ToDate = 20201231}, Titles({"5000円", "a_b", "axb", "C:\\temp"})},
        {"from only, inclusive", {.FromDate = 20201231}, Titles({"C:\\temp", "ABC", "ＡＢＣ"})},
        {"to only, inclusive", {.ToDate = 20191231}, Titles({"誕生日", "50%割引"})},
        {"title part", {.Title = QStringLiteral("生日")}, Titles({"誕生日"})},
        {"category", {.CategoryId = one}, Titles({"50%割引", "axb", "ＡＢＣ"})},
        {"detail part", {.Content = QStringLiteral("a_b")}, Titles({"5000円"})},
        {"all together", {.FromDate = 20200101, .ToDate = 20211231, .Title = QStringLiteral("a"), .CategoryId = one,
                          .Content = QStringLiteral("abc")}, Titles({"axb"})},
        {"all together, detail not found", {.FromDate = 20200101, .ToDate = 20211231, .Title = QStringLiteral("a"),
                                            .CategoryId = one, .Content = QStringLiteral("x")}, Titles({})},
        {"empty range", {.FromDate = 20210101, .ToDate = 20201231}, Titles({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(TitlesOf(TEvent::Select(c.condition)), c.titles);
    }
}

TEST_F(EventSearchTest, TextCriteriaMatchLiterallyAndOnlyAsciiLettersIgnoreCase)
{
    struct {
        const char* title;
        const char* content;
        QStringList titles;
    } cases[] = {
        {"50%", "", Titles({"50%割引"})},
        {"%", "", Titles({"50%割引"})},
        {"a_b", "", Titles({"a_b"})},
        {"_", "", Titles({"a_b"})},
        {"\\", "", Titles({"C:\\temp"})},
        {"c:\\t", "", Titles({"C:\\temp"})},
        {"abc", "", Titles({"ABC"})},
        {"ＡＢＣ", "", Titles({"ＡＢＣ"})},
        {"ａｂｃ", "", Titles({})},
        {"", "50%", Titles({"誕生日"})},
        {"", "\\", Titles({"a_b"})},
        {"", "カタカナ", Titles({"ABC"})},
        {"", "かたかな", Titles({"ＡＢＣ"})},
        {"", "c", Titles({"a_b", "axb"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "title " << c.title << ", detail " << c.content);
        TEventCondition condition;
        condition.Title = QString::fromUtf8(c.title);
        condition.Content = QString::fromUtf8(c.content);
        EXPECT_EQ(TitlesOf(TEvent::Select(condition)), c.titles);
    }
}

TEST_F(EventSearchTest, FoundEventsCarryTheirStoredFieldsAndCategoryName)
{
    TEventCondition condition;
    condition.Title = QStringLiteral("C:\\");
    const auto found = TEvent::Select(condition);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->Date(), 20201231);
    EXPECT_EQ(found[0]->DateInd(), 1231);
    EXPECT_EQ(found[0]->Content(), QStringLiteral("Ｃ"));
    EXPECT_EQ(found[0]->CategoryId(), two);
    EXPECT_EQ(found[0]->CategoryName(), QStringLiteral("二"));
    EXPECT_EQ(TEvent::FindById(found[0]->Id())->Title(), QStringLiteral("C:\\temp"));
}

TEST(EscapeLikeText, BackslashesFirstSoAddedEscapesAreNotDoubled)
{
    EXPECT_EQ(EscapeLikeText(QStringLiteral("a\\_b%c")), QStringLiteral("a\\\\\\_b\\%c"));
    EXPECT_EQ(EscapeLikeText(QStringLiteral("普通")), QStringLiteral("普通"));
}
