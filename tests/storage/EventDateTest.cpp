// The two date encodings of an event and the 29 February rule's conversion.
#include "MEvent.h"
#include "UWholeNumber.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(EventDate, SetYmdEncodesTheFullDateAndTheMonthDay)
{
    struct {
        int year, month, day;
        int date, dateInd, readYear, readMonth, readDay;
    } cases[] = {
        {2020, 2, 29, 20200229, 229, 2020, 2, 29},
        {1999, 12, 31, 19991231, 1231, 1999, 12, 31},
        {2000, 1, 1, 20000101, 101, 2000, 1, 1},
        {1, 1, 1, 10101, 101, 1, 1, 1},
        {9999, 12, 31, 99991231, 1231, 9999, 12, 31},
        // Out-of-range parts are not refused: they carry into the next part.
        {2021, 1, 150, 20210250, 250, 2021, 2, 50},
        {2021, 13, 1, 20211301, 1301, 2021, 13, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        TEvent event;
        event.SetYmd(c.year, c.month, c.day);
        EXPECT_EQ(event.Date(), c.date);
        EXPECT_EQ(event.DateInd(), c.dateInd);
        EXPECT_EQ(event.Year(), c.readYear);
        EXPECT_EQ(event.Month(), c.readMonth);
        EXPECT_EQ(event.Day(), c.readDay);
    }
}

TEST(EventDate, SettingTheFullDateSetsTheMonthDayToo)
{
    TEvent event;
    EXPECT_EQ(event.Date(), 0);
    EXPECT_EQ(event.DateInd(), 0);
    EXPECT_EQ(event.Year(), 0);
    EXPECT_EQ(event.Month(), 0);
    EXPECT_EQ(event.Day(), 0);

    event.SetDate(20300714);
    EXPECT_EQ(event.DateInd(), 714);
    event.SetDate(20240229);
    EXPECT_EQ(event.DateInd(), 229);
    // The remainder truncates toward zero, as the stored integers are read.
    event.SetDate(-20200101);
    EXPECT_EQ(event.DateInd(), -101);
    EXPECT_EQ(event.Year(), -2020);
}

TEST(EventDate, DateTimeIsTheRecordedDayOrFails)
{
    TEvent event;
    event.SetYmd(2020, 2, 29);
    EXPECT_EQ(event.DateTime(), QDate(2020, 2, 29));
    event.SetYmd(1, 1, 1);
    EXPECT_EQ(event.DateTime(), QDate(1, 1, 1));

    struct {
        int year, month, day;
    } noDates[] = {
        {2023, 2, 29}, {1900, 2, 29}, {0, 0, 0}, {2021, 1, 150}, {2021, 13, 1}, {2021, 4, 31}, {10000, 1, 1}, {0, 1, 1},
    };
    for (const auto& d : noDates) {
        SCOPED_TRACE(testing::Message() << d.year << "-" << d.month << "-" << d.day);
        event.SetYmd(d.year, d.month, d.day);
        EXPECT_THAT([&] { (void)event.DateTime(); },
                    ThrowsMessage<EConvertError>(StrEq("日付に変換できない値が渡されました")));
    }
    // A new event, whose date was never set, has no day either.
    EXPECT_THROW((void)TEvent().DateTime(), EConvertError);
}

TEST(EventDate, OnlyZeroOneAndTwoNameARuleOtherIntegersSkip)
{
    struct {
        int value;
        TNonLeapYearProc proc;
    } cases[] = {
        {0, TNonLeapYearProc::Skip},  {1, TNonLeapYearProc::Dispaly228}, {2, TNonLeapYearProc::Display301},
        {3, TNonLeapYearProc::Skip},  {-1, TNonLeapYearProc::Skip},      {100, TNonLeapYearProc::Skip},
        {256 + 1, TNonLeapYearProc::Skip},
    };
    for (const auto& c : cases) EXPECT_EQ(TEvent::IntToNonLeapYearProc(c.value), c.proc) << c.value;
}
