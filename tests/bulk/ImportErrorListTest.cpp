// The error list of the import dialog on its own: its order, replacement in place,
// removal, and what it tells the views.
#include "UImportErrors.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList Locations(const TImportErrorList& list)
{
    QStringList locations;
    for (int i = 0; i < list.rowCount(); ++i) locations << list.index(i, TImportErrorList::colLocation).data().toString();
    return locations;
}

struct TOp {
    enum { Add, Remove, RemoveRow } Kind;
    int RowNumber, Column;
};

struct TOrderCase {
    const char* Name;
    std::vector<TOp> Ops;
    QStringList Expected;
};

class ErrorListOrder : public ::testing::TestWithParam<TOrderCase> {};

TEST_P(ErrorListOrder, KeepsEntriesByRowThenColumn)
{
    TImportErrorList list;
    for (const TOp& op : GetParam().Ops) {
        switch (op.Kind) {
        case TOp::Add: list.AddError(op.RowNumber, op.Column, QStringLiteral("m")); break;
        case TOp::Remove: list.RemoveError(op.RowNumber, op.Column); break;
        case TOp::RemoveRow: list.RemoveRow(op.RowNumber); break;
        }
    }
    EXPECT_EQ(Locations(list), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorListOrder,
    ::testing::Values(
        // Ordered by number, not by text: 2-2 comes before 10-1.
        TOrderCase{"NumberNotText", {{TOp::Add, 10, 1}, {TOp::Add, 2, 2}}, {"2-2", "10-1"}},
        TOrderCase{"DateBeforeTitle", {{TOp::Add, 3, 2}, {TOp::Add, 3, 1}}, {"3-1", "3-2"}},
        TOrderCase{"InsertInTheMiddle",
                   {{TOp::Add, 1, 1}, {TOp::Add, 9, 2}, {TOp::Add, 5, 1}, {TOp::Add, 5, 2}, {TOp::Add, 12, 1}},
                   {"1-1", "5-1", "5-2", "9-2", "12-1"}},
        TOrderCase{"OneEntryPerCell", {{TOp::Add, 4, 1}, {TOp::Add, 4, 1}, {TOp::Add, 4, 1}}, {"4-1"}},
        TOrderCase{"RemoveKeepsTheOthers",
                   {{TOp::Add, 1, 1}, {TOp::Add, 1, 2}, {TOp::Add, 2, 1}, {TOp::Remove, 1, 2}},
                   {"1-1", "2-1"}},
        TOrderCase{"RemoveOfAnUnlistedCellChangesNothing",
                   {{TOp::Add, 1, 1}, {TOp::Remove, 1, 2}, {TOp::Remove, 7, 1}, {TOp::Remove, 0, 0}},
                   {"1-1"}},
        TOrderCase{"RemoveFirstAndLast",
                   {{TOp::Add, 1, 1}, {TOp::Add, 2, 1}, {TOp::Add, 3, 1}, {TOp::Remove, 1, 1}, {TOp::Remove, 3, 1}},
                   {"2-1"}},
        // Deleting a table row drops its entries and moves the later rows' entries up one number.
        TOrderCase{"RemoveRowRenumbersTheRowsAfterIt",
                   {{TOp::Add, 2, 1}, {TOp::Add, 3, 1}, {TOp::Add, 3, 2}, {TOp::Add, 5, 2}, {TOp::Add, 11, 1},
                    {TOp::RemoveRow, 3, 0}},
                   {"2-1", "4-2", "10-1"}},
        TOrderCase{"RemoveRowWithoutEntries",
                   {{TOp::Add, 1, 2}, {TOp::Add, 4, 1}, {TOp::RemoveRow, 2, 0}, {TOp::RemoveRow, 9, 0}},
                   {"1-2", "3-1"}},
        TOrderCase{"RemoveFirstRow", {{TOp::Add, 1, 1}, {TOp::Add, 1, 2}, {TOp::Add, 2, 2}, {TOp::RemoveRow, 1, 0}},
                   {"1-2"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ErrorList, ReplacesTheMessageOfAListedCellInPlace)
{
    TImportErrorList list;
    list.AddError(1, 1, QStringLiteral("a"));
    list.AddError(2, 1, QStringLiteral("b"));
    list.AddError(3, 1, QStringLiteral("c"));
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);

    list.AddError(2, 1, QStringLiteral("日付を入力してください。"));

    EXPECT_EQ(inserted.count(), 0);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<QModelIndex>().row(), 1);
    EXPECT_EQ(Locations(list), QStringList({"1-1", "2-1", "3-1"}));
    EXPECT_EQ(list.index(1, TImportErrorList::colError).data().toString(), QStringLiteral("日付を入力してください。"));
    EXPECT_EQ(list.IndexOf(2, 1), 1);
    EXPECT_EQ(list.IndexOf(2, 2), -1);
}

TEST(ErrorList, TellsTheViewsOfEachChangeOrOnceForABracket)
{
    TImportErrorList list;
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&list, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&list, &QAbstractItemModel::modelReset);

    list.AddError(5, 1, QStringLiteral("x"));
    list.AddError(2, 2, QStringLiteral("y"));
    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted.at(1).at(1).toInt(), 0); // 2-2 went in before 5-1
    list.RemoveError(5, 1);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 1);

    {
        const TImportErrorList::TUpdate bracket(list);
        list.Clear();
        for (int row = 1; row <= 1000; ++row) list.AddError(row, 1, QStringLiteral("z"));
        list.RemoveError(500, 1);
    }
    EXPECT_EQ(inserted.count(), 2);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(list.rowCount(), 999);
    EXPECT_EQ(list.index(499, 0).data().toString(), QStringLiteral("501-1"));
}

TEST(ErrorList, ShowsLocationRightAlignedUnderItsHeaders)
{
    TImportErrorList list;
    list.AddError(3, 1, QStringLiteral("正しい日付を入力してください。[2023-02-29]"));
    EXPECT_EQ(list.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("場所"));
    EXPECT_EQ(list.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("エラー内容"));
    EXPECT_EQ(list.index(0, 0).data().toString(), QStringLiteral("3-1"));
    EXPECT_TRUE(list.index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight);
    EXPECT_FALSE(list.flags(list.index(0, 1)) & Qt::ItemIsEditable);
}

} // namespace
