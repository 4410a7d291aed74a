// The day view: what the list shows for a day, its order, the selection and the
// measures stored at close.
#include "MainWindowFixture.h"

#include "MCategory.h"
#include "MEvent.h"
#include "MSettings.h"
#include "TestDatabase.h"

#include <QAction>
#include <QCalendarWidget>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>

namespace {

QStringList Titles(const QStringList& rows)
{
    QStringList titles;
    for (const QString& row : rows) titles << row.section(u'|', 2);
    return titles;
}

} // namespace

TEST_F(MainWindowTest, StartsOnTodayWithAnEmptyDay)
{
    Open();
    EXPECT_EQ(Calendar().selectedDate(), QDate(2024, 4, 6));
    EXPECT_EQ(DateLabel().text(), QStringLiteral("2024年4月6日(土)"));
    EXPECT_TRUE(Rows().isEmpty());
    EXPECT_TRUE(Detail().toPlainText().isEmpty());
    EXPECT_FALSE(Action("actEditEvent").isEnabled());
    EXPECT_FALSE(Action("actDeleteEvent").isEnabled());
    EXPECT_TRUE(Action("actSortAsc").isChecked());
    EXPECT_EQ(window->width(), 640);
    EXPECT_EQ(window->height(), 480);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Marlune"));
}

TEST_F(MainWindowTest, ListsTheDaysEventsOfEveryYearAndLeapDaysByTheirRule)
{
    Seed([] {
        const int c = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(2020, 2, 28, QStringLiteral("A0228"), c);
        AddTestEvent(2020, 2, 29, QStringLiteral("B0229skip"), c, 0);
        AddTestEvent(2016, 2, 29, QStringLiteral("C0229to228"), c, 1);
        AddTestEvent(2012, 2, 29, QStringLiteral("D0229to301"), c, 2);
        AddTestEvent(2019, 3, 1, QStringLiteral("E0301"), c);
    });
    Open();
    const struct {
        QDate day;
        QStringList titles;
    } cases[] = {
        {QDate(2023, 2, 28), {"C0229to228", "A0228"}},
        {QDate(2023, 3, 1), {"D0229to301", "E0301"}},
        {QDate(2024, 2, 29), {"D0229to301", "C0229to228", "B0229skip"}},
        {QDate(2024, 2, 28), {"A0228"}},
        {QDate(2024, 3, 1), {"E0301"}},
        {QDate(1900, 3, 1), {"D0229to301", "E0301"}},
        {QDate(2000, 3, 1), {"E0301"}},
    };
    for (const auto& c : cases) {
        Calendar().setSelectedDate(c.day);
        EXPECT_EQ(Titles(Rows()), c.titles) << c.day.toString(Qt::ISODate).toStdString();
    }
    // A 29 February event listed on 28 February shows its own date.
    Calendar().setSelectedDate(QDate(2023, 2, 28));
    EXPECT_EQ(Rows().first(), QStringLiteral("2016-02-29|家族|C0229to228"));
    EXPECT_EQ(DateLabel().text(), QStringLiteral("2023年2月28日(火)"));
}

TEST_F(MainWindowTest, OrdersByRecordedDateThenCategoryPositionInEitherDirection)
{
    Seed([] {
        const int work = AddTestCategory(QStringLiteral("仕事"));
        const int family = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(1990, 3, 1, QStringLiteral("y1990"), family);
        AddTestEvent(2005, 3, 1, QStringLiteral("family2005"), family);
        AddTestEvent(2030, 3, 1, QStringLiteral("y2030"), work);
        AddTestEvent(2005, 3, 1, QStringLiteral("work2005"), work);
        AddTestEvent(5, 3, 1, QStringLiteral("y5"), work);
    });
    Open();
    Calendar().setSelectedDate(QDate(2024, 3, 1));
    EXPECT_EQ(Rows(), (QStringList{"0005-03-01|仕事|y5", "1990-03-01|家族|y1990", "2005-03-01|仕事|work2005",
                                   "2005-03-01|家族|family2005", "2030-03-01|仕事|y2030"}));
    Action("actSortDesc").trigger();
    EXPECT_TRUE(Action("actSortDesc").isChecked());
    EXPECT_FALSE(Action("actSortAsc").isChecked());
    EXPECT_EQ(Titles(Rows()), (QStringList{"y2030", "work2005", "family2005", "y1990", "y5"}));
    EXPECT_EQ(Grid().model()->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              Qt::AlignRight);
}

TEST_F(MainWindowTest, SelectingARowShowsItsDetailAndADayChangeClearsIt)
{
    Seed([] {
        const int c = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(2001, 4, 6, QStringLiteral("one"), c, 0, QStringLiteral("detail one"));
        AddTestEvent(2002, 4, 6, QStringLiteral("two"), c, 0, QStringLiteral("detail two"));
        AddTestEvent(2003, 4, 6, QStringLiteral("three"), c, 0, QStringLiteral("detail three"));
    });
    Open();
    ASSERT_EQ(Rows().size(), 3);
    ClickRow(1);
    EXPECT_EQ(window->SelectedRow(), 1);
    EXPECT_EQ(Detail().toPlainText(), QStringLiteral("detail two"));
    EXPECT_TRUE(Action("actEditEvent").isEnabled());
    EXPECT_TRUE(Action("actDeleteEvent").isEnabled());

    // The day on show, chosen again, and today while today is shown reload nothing.
    Calendar().setSelectedDate(QDate(2024, 4, 6));
    Action("actGoToday").trigger();
    EXPECT_EQ(window->SelectedRow(), 1);
    EXPECT_EQ(Detail().toPlainText(), QStringLiteral("detail two"));

    Action("actGoPreviousday").trigger();
    EXPECT_EQ(Calendar().selectedDate(), QDate(2024, 4, 5));
    EXPECT_EQ(window->SelectedRow(), -1);
    EXPECT_TRUE(Detail().toPlainText().isEmpty());
    EXPECT_FALSE(Action("actEditEvent").isEnabled());
    EXPECT_FALSE(Action("actDeleteEvent").isEnabled());
}

TEST_F(MainWindowTest, RefreshKeepsThePositionClampedToTheLastRow)
{
    int lastId = 0;
    Seed([&] {
        const int c = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(2001, 4, 6, QStringLiteral("one"), c, 0, QStringLiteral("d1"));
        AddTestEvent(2002, 4, 6, QStringLiteral("two"), c, 0, QStringLiteral("d2"));
        lastId = AddTestEvent(2003, 4, 6, QStringLiteral("three"), c, 0, QStringLiteral("d3"));
    });
    Open();
    ClickRow(2); // the title column of the last row
    TEvent::DeleteById(lastId);
    window->RefreshEvents();
    EXPECT_EQ(window->SelectedRow(), 1);
    EXPECT_EQ(Grid().currentIndex().column(), 2); // the selected column stays
    EXPECT_EQ(Detail().toPlainText(), QStringLiteral("d2"));
    EXPECT_TRUE(Action("actDeleteEvent").isEnabled());
}

TEST_F(MainWindowTest, FirstCloseStoresTheEightKeysWithTheirDefaults)
{
    Open();
    Close();
    SQLite::Database db(QFile::encodeName(DatabaseFile()).constData());
    SQLite::Statement q(db, "SELECT key, value FROM settings ORDER BY key;");
    QStringList stored;
    while (q.executeStep())
        stored << QString::fromUtf8(q.getColumn(0).getText()) + u'=' + QString::fromUtf8(q.getColumn(1).getText());
    EXPECT_EQ(stored, (QStringList{"ApplicationVersion=1.1.1", "ContentHeight=64", "EventCategoryWidth=80",
                                   "EventDateWidth=80", "EventSortOrder=0", "EventTitleWidth=200",
                                   "FormMainHeight=480", "FormMainWidth=640"}));
}

TEST_F(MainWindowTest, ACloseWithoutChangesWritesNothing)
{
    Open();
    Close();
    Seed([] { Db().exec("UPDATE settings SET updated_at = '2000-01-01 00:00:00';"); });
    Open();
    Close();
    EXPECT_EQ(QueryInt("SELECT COUNT(*) FROM settings WHERE updated_at <> '2000-01-01 00:00:00';"), 0);
    EXPECT_EQ(QueryInt("SELECT COUNT(*) FROM settings;"), 8);
}

TEST_F(MainWindowTest, StoresWhatTheUserLeftAndRestoresItAtTheNextStart)
{
    Seed([] {
        const int c = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(2001, 4, 6, QStringLiteral("old"), c);
        AddTestEvent(2020, 4, 6, QStringLiteral("new"), c);
    });
    Open();
    Action("actSortDesc").trigger();
    Grid().setColumnWidth(0, 111);
    Grid().setColumnWidth(1, 95);
    Grid().setColumnWidth(2, 321);
    window->resize(800, 600);
    auto* splitter = window->findChild<QSplitter*>(QStringLiteral("splContent"));
    splitter->setSizes({300, 100});
    const int detailHeight = Detail().height();
    Close();
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'EventSortOrder';"), QStringLiteral("1"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'EventDateWidth';"), QStringLiteral("111"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'EventCategoryWidth';"), QStringLiteral("95"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'EventTitleWidth';"), QStringLiteral("321"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'FormMainWidth';"), QStringLiteral("800"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'FormMainHeight';"), QStringLiteral("600"));
    EXPECT_EQ(QueryText("SELECT value FROM settings WHERE key = 'ContentHeight';"), QString::number(detailHeight));

    Open();
    EXPECT_TRUE(Action("actSortDesc").isChecked());
    EXPECT_EQ(Titles(Rows()), (QStringList{"new", "old"}));
    EXPECT_EQ(Grid().columnWidth(0), 111);
    EXPECT_EQ(Grid().columnWidth(2), 321);
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), 600);
    EXPECT_EQ(Detail().height(), detailHeight);
}

TEST_F(MainWindowTest, UsesTheStoredDatePatterns)
{
    Seed([] {
        TSettings::WriteSetting(QStringLiteral("EventDateFormat"), QStringLiteral("yyyy/mm/dd"));
        TSettings::WriteSetting(QStringLiteral("TargetDateFormat"), QStringLiteral("m月d日 dddd"));
        const int c = AddTestCategory(QStringLiteral("家族"));
        AddTestEvent(1999, 4, 6, QStringLiteral("t"), c);
    });
    Open();
    EXPECT_EQ(DateLabel().text(), QStringLiteral("4月6日 土曜日"));
    EXPECT_EQ(Rows(), QStringList{"1999/04/06|家族|t"});
}
