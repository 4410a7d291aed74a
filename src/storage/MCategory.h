#pragma once
// One category and every statement run on the table categories.
#include "MDataBaseCommon.h"

#include <QString>
#include <memory>

class TCategory;
using TCategoryList = TObjectList<TCategory>;

class TCategory : public TDataBaseCommon {
public:
    int Id() const { return FId; }
    const QString& Name() const { return FName; }
    void SetName(const QString& name) { FName = name; }
    int SortOrder() const { return FSortOrder; }
    void SetSortOrder(int sortOrder) { FSortOrder = sortOrder; }

    // Every category, in the user's order.
    static TCategoryList AllOrderBySortOrder();
    // Raises ERecordNotFoundException "Category not found. [id]" when there is no row.
    static std::unique_ptr<TCategory> FindById(int id);
    // An id without a row deletes nothing; a category that events still refer to fails.
    static void DeleteById(int id);

    // Inserts a new row at the end of the order and reads it back into this object.
    void Save() override;
    // Writes the name and position when they differ from the stored row.
    void Update() override;

private:
    void ReadRow(const SQLite::Statement& q);

    int FId = 0;
    QString FName;
    int FSortOrder = 0;
};
