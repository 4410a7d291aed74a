// Event records: the new event, the insert with its read-back, writes only on a
// change, the held category name, and the statements on a category's events.
#include "MCategory.h"
#include "StorageCheck.h"
#include "UWholeNumber.h"

#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

class EventTest : public DatabaseTest {
protected:
    int family = db.AddCategory(QStringLiteral("家族"));
    int work = db.AddCategory(QStringLiteral("仕事"));

    std::unique_ptr<TEvent> NewEvent(int year, int month, int day, const QString& title, int categoryId) const
    {
        auto event = std::make_unique<TEvent>();
        event->SetYmd(year, month, day);
        event->SetTitle(title);
        event->SetCategoryId(categoryId);
        return event;
    }

    // The stored row of an event as one text, to see what a statement wrote.
    QString StoredRow(int id)
    {
        return db.ScalarText("SELECT title || '/' || content || '/' || date || '/' || date_ind || '/' || "
                             "non_leap_year_proc || '/' || notice_days || '/' || category_id FROM events WHERE id = " +
                             std::to_string(id) + ";");
    }
};

void ExpectSameStoredFields(const TEvent& a, const TEvent& b)
{
    EXPECT_EQ(a.Id(), b.Id());
    EXPECT_EQ(a.Title(), b.Title());
    EXPECT_EQ(a.Content(), b.Content());
    EXPECT_EQ(a.Date(), b.Date());
    EXPECT_EQ(a.DateInd(), b.DateInd());
    EXPECT_EQ(a.NonLeapYearProc(), b.NonLeapYearProc());
    EXPECT_EQ(a.NoticeDays(), b.NoticeDays());
    EXPECT_EQ(a.CategoryId(), b.CategoryId());
}

} // namespace

TEST(Event, ANewEventHoldsTheNotStoredValues)
{
    const TEvent event;
    EXPECT_EQ(event.Id(), -1);
    EXPECT_EQ(event.Title(), QString());
    EXPECT_EQ(event.Content(), QString());
    EXPECT_EQ(event.Date(), 0);
    EXPECT_EQ(event.DateInd(), 0);
    EXPECT_EQ(event.NonLeapYearProc(), TNonLeapYearProc::Skip);
    EXPECT_EQ(event.NoticeDays(), 0);
    EXPECT_EQ(event.CategoryId(), -1);

    const TEventCondition condition;
    EXPECT_EQ(condition.FromDate, -1);
    EXPECT_EQ(condition.ToDate, -1);
    EXPECT_EQ(condition.CategoryId, -1);
    EXPECT_TRUE(condition.Title.isEmpty());
    EXPECT_TRUE(condition.Content.isEmpty());
}

TEST_F(EventTest, SaveStoresEveryFieldAndFindByIdReadsThemBack)
{
    auto event = NewEvent(2008, 2, 29, QStringLiteral("結婚記念日"), work);
    event->SetContent(QStringLiteral("一行目\n二行目, \"引用\""));
    event->SetNonLeapYearProc(TNonLeapYearProc::Display301);
    event->SetNoticeDays(3);
    event->Save();
    ASSERT_GT(event->Id(), 0);
    EXPECT_EQ(StoredRow(event->Id()), QStringLiteral("結婚記念日/一行目\n二行目, \"引用\"/20080229/229/2/3/%1").arg(work));

    const auto found = TEvent::FindById(event->Id());
    ExpectSameStoredFields(*found, *event);
    EXPECT_EQ(found->DateInd(), found->Date() % 10000);

    // Save always inserts: the same object saved again is a second row.
    const int firstId = event->Id();
    event->Save();
    EXPECT_GT(event->Id(), firstId);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 2);

    EXPECT_THAT([] { TEvent::FindById(4711); }, ThrowsMessage<ERecordNotFoundException>(StrEq("Event not found. [4711]")));
}

TEST_F(EventTest, StoredRowsAreReadByTheirDateAndNeverChecked)
{
    // Rows changed by other means: the month-day follows the date column, never
    // the stored date_ind, and a rule outside 0 to 2 reads as Skip.
    const int id = db.AddEvent(2020, 7, 14, QStringLiteral("誕生日"), family, 2);
    db.Connection().ExecSQL("UPDATE events SET date_ind = 999, non_leap_year_proc = 7;");
    const auto found = TEvent::FindById(id);
    EXPECT_EQ(found->DateInd(), 714);
    EXPECT_EQ(found->NonLeapYearProc(), TNonLeapYearProc::Skip);

    // Dates are not checked here: a stored day that no calendar has is still listed,
    // and only reading its DateTime fails.
    db.AddEvent(2023, 2, 29, QStringLiteral("無効"), family);
    const auto day = TEvent::SelectByMmdd(229, TSortOrder::Asc, true);
    ASSERT_EQ(TitlesOf(day), QStringList{QStringLiteral("無効")});
    EXPECT_THROW((void)day[0]->DateTime(), EConvertError);
}

TEST_F(EventTest, EmptyTitleAndDetailAreStoredAsEmptyText)
{
    auto event = NewEvent(2020, 7, 14, QString(), family);
    event->Save();
    auto list = TEventList();
    list.push_back(NewEvent(2021, 7, 14, QString(), family));
    TEvent::InsertAll(list);
    EXPECT_EQ(db.ScalarText("SELECT group_concat(typeof(title) || ',' || typeof(content) || ',' || length(title) || "
                            "length(content), ';') FROM events;"),
              QStringLiteral("text,text,00;text,text,00"));
    EXPECT_EQ(TEvent::FindById(event->Id())->Content(), QString());

    // An update to empty texts keeps them text as well.
    auto stored = TEvent::FindById(db.AddEvent(2022, 1, 1, QStringLiteral("題"), family, 0, QStringLiteral("詳細")));
    stored->SetTitle(QString());
    stored->SetContent(QString());
    stored->Update();
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events WHERE title = '' AND content = '' AND typeof(title) = 'text';"), 3);
}

TEST_F(EventTest, UpdateWritesOnlyAChangedEvent)
{
    const int id = db.AddEvent(2020, 7, 14, QStringLiteral("Birthday"), family, 0, QStringLiteral("詳細"));
    const std::string stamp = "SELECT updated_at FROM events WHERE id = " + std::to_string(id) + ";";
    SetOldStamps(db, "events");

    auto event = TEvent::FindById(id);
    (void)event->CategoryName(); // the held name takes no part in the comparison
    event->Update();
    EXPECT_EQ(db.ScalarText(stamp), QString::fromLatin1(OldStamp));

    struct {
        const char* change;
        std::function<void(TEvent&)> apply;
        QString stored;
    } changes[] = {
        {"notice days only", [](TEvent& e) { e.SetNoticeDays(1); }, QStringLiteral("Birthday/詳細/20200714/714/0/1/%1").arg(family)},
        {"title letter case only", [](TEvent& e) { e.SetTitle(QStringLiteral("birthday")); }, QStringLiteral("birthday/詳細/20200714/714/0/1/%1").arg(family)},
        {"detail", [](TEvent& e) { e.SetContent(QStringLiteral("詳細2")); }, QStringLiteral("birthday/詳細2/20200714/714/0/1/%1").arg(family)},
        {"date", [](TEvent& e) { e.SetYmd(2024, 2, 29); }, QStringLiteral("birthday/詳細2/20240229/229/0/1/%1").arg(family)},
        {"rule", [](TEvent& e) { e.SetNonLeapYearProc(TNonLeapYearProc::Dispaly228); }, QStringLiteral("birthday/詳細2/20240229/229/1/1/%1").arg(family)},
        {"category", [this](TEvent& e) { e.SetCategoryId(work); }, QStringLiteral("birthday/詳細2/20240229/229/1/1/%1").arg(work)},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        SetOldStamps(db, "events");
        c.apply(*event);
        event->Update();
        EXPECT_EQ(StoredRow(id), c.stored);
        EXPECT_NE(db.ScalarText(stamp), QString::fromLatin1(OldStamp));
    }
    EXPECT_EQ(db.ScalarText("SELECT created_at FROM events;"), QString::fromLatin1(OldStamp));
}

TEST_F(EventTest, UpdateOfADeletedEventIsNotFoundAndWritesNothing)
{
    const int id = db.AddEvent(2020, 7, 14, QStringLiteral("誕生日"), family);
    const int other = db.AddEvent(2020, 7, 15, QStringLiteral("別"), family);
    auto event = TEvent::FindById(id);
    TEvent::DeleteById(id);
    TEvent::DeleteById(id); // an id without a row deletes nothing
    event->SetTitle(QStringLiteral("変更"));
    EXPECT_THAT([&] { event->Update(); },
                ThrowsMessage<ERecordNotFoundException>(StrEq("Event not found. [" + std::to_string(id) + "]")));
    EXPECT_EQ(db.ScalarText("SELECT group_concat(title) FROM events;"), QStringLiteral("別"));
    EXPECT_EQ(TEvent::FindById(other)->Title(), QStringLiteral("別"));
}

TEST_F(EventTest, CategoryNameIsLookedUpOnceAndForgottenWithTheCategory)
{
    auto event = TEvent::FindById(db.AddEvent(2020, 7, 14, QStringLiteral("誕生日"), family));
    EXPECT_EQ(event->CategoryName(), QStringLiteral("家族"));

    // Renamed behind the event's back: the held copy is still used.
    db.Connection().ExecSQL("UPDATE categories SET name = '親族' WHERE name = '家族';");
    EXPECT_EQ(event->CategoryName(), QStringLiteral("家族"));
    event->InitRelationalField();
    EXPECT_EQ(event->CategoryName(), QStringLiteral("親族"));

    event->SetCategoryId(work);
    EXPECT_EQ(event->CategoryName(), QStringLiteral("仕事"));

    // Save forgets the held name too, so the next read looks the category up.
    event->Save();
    db.Connection().ExecSQL("UPDATE categories SET name = '職場' WHERE name = '仕事';");
    EXPECT_EQ(event->CategoryName(), QStringLiteral("職場"));

    event->SetCategoryId(999);
    EXPECT_THAT([&] { (void)event->CategoryName(); },
                ThrowsMessage<ERecordNotFoundException>(StrEq("Category not found. [999]")));
}

TEST_F(EventTest, CountAndDeleteTouchOnlyTheGivenCategory)
{
    const int empty = db.AddCategory(QStringLiteral("空"));
    db.AddEvent(2020, 7, 14, QStringLiteral("一"), family);
    db.AddEvent(2021, 7, 14, QStringLiteral("二"), family);
    db.AddEvent(2022, 7, 14, QStringLiteral("三"), work);

    EXPECT_EQ(TEvent::CountByCategoryId(family), 2);
    EXPECT_EQ(TEvent::CountByCategoryId(work), 1);
    EXPECT_EQ(TEvent::CountByCategoryId(empty), 0);
    EXPECT_EQ(TEvent::CountByCategoryId(999), 0);

    TEvent::DeleteByCategoryId(empty);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 3);
    TEvent::DeleteByCategoryId(family);
    EXPECT_EQ(TEvent::CountByCategoryId(family), 0);
    EXPECT_EQ(db.ScalarText("SELECT group_concat(title) FROM events;"), QStringLiteral("三"));
}

TEST_F(EventTest, InsertAllStoresTheListInOrderAndReadsNothingBack)
{
    TEventList list;
    list.push_back(NewEvent(2001, 1, 1, QStringLiteral("一"), family));
    list.push_back(NewEvent(1999, 2, 29, QStringLiteral("二"), work));
    list.back()->SetNonLeapYearProc(TNonLeapYearProc::Dispaly228);
    list.push_back(NewEvent(2030, 12, 31, QStringLiteral("三"), family));
    list.back()->SetContent(QStringLiteral("詳細"));
    TEvent::InsertAll(list);

    EXPECT_EQ(db.ScalarText("SELECT group_concat(title || '/' || content || '/' || date || '/' || date_ind || '/' || "
                            "non_leap_year_proc || '/' || category_id, ';') FROM (SELECT * FROM events ORDER BY id);"),
              QStringLiteral("一//20010101/101/0/%1;二//19990229/229/1/%2;三/詳細/20301231/1231/0/%1").arg(family).arg(work));
    for (const auto& event : list) EXPECT_EQ(event->Id(), -1);

    TEvent::InsertAll(TEventList()); // nothing to store
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 3);
}

TEST_F(EventTest, InsertAllWithAMissingCategoryStoresNothingAfterTheRollback)
{
    TEventList list;
    list.push_back(NewEvent(2001, 1, 1, QStringLiteral("一"), family));
    list.push_back(NewEvent(2002, 1, 1, QStringLiteral("二"), work + 100));
    list.push_back(NewEvent(2003, 1, 1, QStringLiteral("三"), family));
    EXPECT_THROW(
        {
            SQLite::Transaction tx(Db());
            TEvent::InsertAll(list);
            tx.commit();
        },
        SQLite::Exception);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 0);

    // The connection is usable afterwards and outside a transaction each insert commits by itself.
    list[1]->SetCategoryId(work);
    TEvent::InsertAll(list);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 3);
}
