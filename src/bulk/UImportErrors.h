#pragma once
// The import dialog's error list: one entry per faulty cell of the import table,
// kept in ascending order of row number * 10 + column, so by row and, within a row,
// the date (column 1) before the title (column 2). Entries live in a sorted vector:
// finding a place is a binary search, and the appends of a full check in row order
// each land at the end.
#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <vector>

struct TImportError {
    int RowNumber; // 1-based, the same as the table's Number column
    int Column;    // the table column of the faulty cell: 1 date, 2 title
    QString Message;

    std::int64_t Key() const { return std::int64_t(RowNumber) * 10 + Column; }
    // "3-1": the date of row 3.
    QString Location() const;
};

class TImportErrorList : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colLocation = 0, colError = 1 };

    explicit TImportErrorList(QObject* parent = nullptr);

    // Records the fault of that cell; a cell already listed gets the new message in place.
    void AddError(int rowNumber, int column, const QString& message);
    // Forgets the fault of that cell; a cell not listed changes nothing.
    void RemoveError(int rowNumber, int column);
    void Clear();
    // A row of the table was deleted: its entries go, and the entries of the rows after
    // it move up one number, as checking every row again would give.
    void RemoveRow(int rowNumber);

    // Many changes shown as one: the views are told once, when the last open bracket
    // closes. Use TUpdate for a bracket that also closes on failure.
    void BeginUpdate();
    void EndUpdate();
    class TUpdate {
    public:
        explicit TUpdate(TImportErrorList& list) : FList(list) { FList.BeginUpdate(); }
        ~TUpdate() { FList.EndUpdate(); }
        TUpdate(const TUpdate&) = delete;
        TUpdate& operator=(const TUpdate&) = delete;

    private:
        TImportErrorList& FList;
    };

    int Count() const { return int(FErrors.size()); }
    bool IsEmpty() const { return FErrors.empty(); }
    const TImportError& At(int index) const { return FErrors[std::size_t(index)]; }
    // The index of that cell's entry, or -1.
    int IndexOf(int rowNumber, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    // The first entry whose key is not below key.
    std::vector<TImportError>::iterator LowerBound(std::int64_t key);
    void InsertError(std::size_t index, TImportError error);

    std::vector<TImportError> FErrors;
    int FUpdateDepth = 0;
};
