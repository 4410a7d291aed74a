#include "MCategory.h"

namespace {

QString NotFoundMessage(int id)
{
    return QStringLiteral("Category not found. [%1]").arg(id);
}

} // namespace

void TCategory::ReadRow(const SQLite::Statement& q)
{
    FId = query::Int(q, q.getColumnIndex("id"));
    FName = query::Text(q, q.getColumnIndex("name"));
    FSortOrder = query::Int(q, q.getColumnIndex("sort_order"));
}

TCategoryList TCategory::AllOrderBySortOrder()
{
    TCategoryList list;
    auto q = query::New("SELECT * FROM categories ORDER BY sort_order;");
    while (q.executeStep()) {
        auto category = std::make_unique<TCategory>();
        category->ReadRow(q);
        list.push_back(std::move(category));
    }
    return list;
}

std::unique_ptr<TCategory> TCategory::FindById(int id)
{
    auto q = query::New("SELECT * FROM categories WHERE id = :Id;");
    query::BindInt(q, ":Id", id);
    if (!q.executeStep()) throw ERecordNotFoundException(NotFoundMessage(id));
    auto category = std::make_unique<TCategory>();
    category->ReadRow(q);
    return category;
}

void TCategory::DeleteById(int id)
{
    auto q = query::New("DELETE FROM categories WHERE id = :Id;");
    query::BindInt(q, ":Id", id);
    q.exec();
}

void TCategory::Save()
{
    auto insert = query::New("INSERT INTO categories (name, sort_order) VALUES (:Name, (SELECT "
                             "COALESCE(MAX(sort_order), 0) + 1 FROM categories));");
    query::BindText(insert, ":Name", FName);
    insert.exec();

    auto readBack = query::New("SELECT * FROM categories WHERE rowid = last_insert_rowid();");
    if (!readBack.executeStep()) throw ERecordNotFoundException(QStringLiteral("Last insert category data not found"));
    ReadRow(readBack);
}

void TCategory::Update()
{
    const auto stored = FindById(FId);
    if (stored->FId == FId && stored->FName == FName && stored->FSortOrder == FSortOrder) return;

    auto q = query::New("UPDATE categories SET name = :Name, sort_order = :SortOrder, updated_at = "
                        "CURRENT_TIMESTAMP WHERE id = :Id;");
    query::BindText(q, ":Name", FName);
    query::BindInt(q, ":SortOrder", FSortOrder);
    query::BindInt(q, ":Id", FId);
    q.exec();
}
