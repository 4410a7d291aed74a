#include "UCalendar.h"
#include "UDatePattern.h"

#include <gtest/gtest.h>

TEST(Calendar, LeapYearsAndValidDates)
{
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_TRUE(IsLeapYear(2024));

    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(2023, 2, 29));
    EXPECT_TRUE(IsValidDate(2024, 2, 29));

    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_TRUE(IsValidDate(1, 1, 1));
    EXPECT_TRUE(IsValidDate(9999, 12, 31));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_FALSE(IsValidDate(65537, 1, 1));
    EXPECT_FALSE(IsValidDate(2024, 0, 1));
    EXPECT_FALSE(IsValidDate(2024, 13, 1));
    EXPECT_FALSE(IsValidDate(2024, 4, 31));
    EXPECT_FALSE(IsValidDate(2024, 4, 0));
}

TEST(DatePattern, DefaultPatternsAndFurtherTokens)
{
    const QLocale ja(QLocale::Japanese, QLocale::Japan);
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    struct {
        const char16_t* pattern;
        QDate date;
        QLocale locale;
        const char16_t* expected;
    } cases[] = {
        {u"yyyy-mm-dd", QDate(2020, 2, 29), ja, u"2020-02-29"},
        {u"yyyy-mm-dd", QDate(5, 3, 1), ja, u"0005-03-01"},
        {u"yyyy年m月d日(ddd)", QDate(2024, 4, 6), ja, u"2024年4月6日(土)"},
        {u"yyyy年m月d日(ddd)", QDate(2024, 4, 7), ja, u"2024年4月7日(日)"},
        {u"ddd dddd", QDate(2024, 4, 6), en, u"Sat Saturday"},
        {u"mmm mmmm", QDate(2024, 4, 6), en, u"Apr April"},
        {u"yy/mm/dd", QDate(2024, 4, 6), ja, u"24/04/06"},
        {u"YYYY-MM-DD", QDate(2024, 4, 6), ja, u"2024-04-06"},
        {u"\"day\" d 'of' m", QDate(2024, 4, 6), en, u"day 6 of 4"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatDatePattern(QString::fromUtf16(c.pattern), c.date, c.locale), QString::fromUtf16(c.expected))
            << QString::fromUtf16(c.pattern).toStdString();
    }
    EXPECT_EQ(FormatDatePattern(QString(), QDate(2024, 4, 6), ja), ja.toString(QDate(2024, 4, 6), QLocale::ShortFormat));
}
