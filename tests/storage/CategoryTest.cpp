// Category records: their positions, the read-back after an insert, and writes
// that happen only when something changed.
#include "MCategory.h"
#include "StorageCheck.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

QStringList NamesInOrder()
{
    QStringList names;
    for (const auto& category : TCategory::AllOrderBySortOrder()) names << category->Name();
    return names;
}

} // namespace

TEST_F(DatabaseTest, ANewCategoryGoesOneAfterTheLargestPosition)
{
    TCategory first;
    EXPECT_EQ(first.Id(), 0);
    EXPECT_EQ(first.SortOrder(), 0);
    first.SetName(QStringLiteral("家族"));
    first.SetSortOrder(40); // not used by the insert
    first.Save();
    EXPECT_EQ(first.SortOrder(), 1);
    EXPECT_EQ(first.Id(), db.ScalarInt("SELECT MAX(id) FROM categories;"));

    // Positions 1, 2, 5 (3 and 4 deleted) give 6.
    for (const char* name : {"二", "三", "四", "五"}) db.AddCategory(QString::fromUtf8(name));
    TCategory::DeleteById(db.ScalarInt("SELECT id FROM categories WHERE sort_order = 3;"));
    TCategory::DeleteById(db.ScalarInt("SELECT id FROM categories WHERE sort_order = 4;"));
    TCategory next;
    next.SetName(QStringLiteral("六"));
    next.Save();
    EXPECT_EQ(next.SortOrder(), 6);
}

TEST_F(DatabaseTest, SaveReadsTheNewRowBackAndASecondSaveInsertsAgain)
{
    db.AddCategory(QStringLiteral("仕事"));
    TCategory category;
    category.SetName(QStringLiteral("家族"));
    category.Save();
    const int firstId = category.Id();
    EXPECT_EQ(category.Name(), QStringLiteral("家族"));
    EXPECT_EQ(category.SortOrder(), 2);
    const auto stored = TCategory::FindById(firstId);
    EXPECT_EQ(stored->Name(), QStringLiteral("家族"));
    EXPECT_EQ(stored->SortOrder(), 2);

    category.Save();
    EXPECT_GT(category.Id(), firstId);
    EXPECT_EQ(category.SortOrder(), 3);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories WHERE name = '家族';"), 2);

    // Names are not checked here: an empty name is stored as an empty text.
    TCategory unnamed;
    unnamed.Save();
    EXPECT_EQ(db.ScalarText("SELECT typeof(name) || ':' || name FROM categories WHERE id = " +
                            std::to_string(unnamed.Id()) + ";"),
              QStringLiteral("text:"));
}

TEST_F(DatabaseTest, UpdateWritesOnlyAChangedCategory)
{
    const int id = db.AddCategory(QStringLiteral("Family"));
    const std::string stamp = "SELECT updated_at FROM categories WHERE id = " + std::to_string(id) + ";";
    const std::string row = "SELECT name || '/' || sort_order FROM categories WHERE id = " + std::to_string(id) + ";";
    SetOldStamps(db, "categories");

    auto category = TCategory::FindById(id);
    category->Update();
    EXPECT_EQ(db.ScalarText(stamp), QString::fromLatin1(OldStamp));

    struct {
        const char* change;
        void (*apply)(TCategory&);
        const char* stored;
    } changes[] = {
        {"letter case only", [](TCategory& c) { c.SetName(QStringLiteral("family")); }, "family/1"},
        {"position", [](TCategory& c) { c.SetSortOrder(7); }, "family/7"},
        {"name", [](TCategory& c) { c.SetName(QStringLiteral("家族")); }, "家族/7"},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.change);
        SetOldStamps(db, "categories");
        c.apply(*category);
        category->Update();
        EXPECT_EQ(db.ScalarText(row), QString::fromUtf8(c.stored));
        EXPECT_NE(db.ScalarText(stamp), QString::fromLatin1(OldStamp));
    }
}

TEST_F(DatabaseTest, AMissingCategoryIsNotFoundAndNothingIsWritten)
{
    const int id = db.AddCategory(QStringLiteral("家族"));
    const int other = db.AddCategory(QStringLiteral("仕事"));
    auto category = TCategory::FindById(id);
    TCategory::DeleteById(id);

    category->SetName(QStringLiteral("別名"));
    const std::string message = "Category not found. [" + std::to_string(id) + "]";
    EXPECT_THAT([&] { category->Update(); }, ThrowsMessage<ERecordNotFoundException>(StrEq(message)));
    EXPECT_THAT([&] { TCategory::FindById(id); }, ThrowsMessage<ERecordNotFoundException>(StrEq(message)));
    EXPECT_THAT([&] { TCategory::FindById(999); },
                ThrowsMessage<ERecordNotFoundException>(StrEq("Category not found. [999]")));
    EXPECT_EQ(db.ScalarText("SELECT group_concat(name) FROM categories;"), QStringLiteral("仕事"));

    TCategory::DeleteById(999); // an id without a row deletes nothing
    EXPECT_EQ(TCategory::FindById(other)->Name(), QStringLiteral("仕事"));
}

TEST_F(DatabaseTest, AllOrderBySortOrderFollowsThePositions)
{
    EXPECT_TRUE(TCategory::AllOrderBySortOrder().empty());
    db.AddCategory(QStringLiteral("家族"));
    db.AddCategory(QStringLiteral("仕事"));
    db.AddCategory(QStringLiteral("趣味"));
    EXPECT_EQ(NamesInOrder(), (QStringList{QStringLiteral("家族"), QStringLiteral("仕事"), QStringLiteral("趣味")}));

    // Swapping two positions, as the category manager does.
    auto list = TCategory::AllOrderBySortOrder();
    const int first = list[0]->SortOrder();
    list[0]->SetSortOrder(list[2]->SortOrder());
    list[2]->SetSortOrder(first);
    list[0]->Update();
    list[2]->Update();
    EXPECT_EQ(NamesInOrder(), (QStringList{QStringLiteral("趣味"), QStringLiteral("仕事"), QStringLiteral("家族")}));
    const auto top = TCategory::AllOrderBySortOrder();
    EXPECT_EQ(top[0]->Id(), list[2]->Id());
    EXPECT_EQ(top[0]->SortOrder(), 1);
}
