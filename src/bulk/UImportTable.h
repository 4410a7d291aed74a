#pragma once
// The import table: the rows read from an import file, as Unicode text, shown and
// edited in the import dialog's list. Column 0 is the row's position from 1 and
// read-only; the date, title and detail cells are editable. Values are kept whole
// whatever their length; the column widths only size the list.
#include "UCsvImport.h"

#include <QAbstractTableModel>
#include <vector>

class TImportTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colNumber = 0, colDate = 1, colTitle = 2, colContent = 3 };
    static constexpr int ColumnCount = 4;

    explicit TImportTable(QObject* parent = nullptr);

    // Replaces every row.
    void SetRows(std::vector<TImportRecord> rows);
    void Clear();
    void RemoveRow(int row);

    int Count() const { return int(FRows.size()); }
    const TImportRecord& Row(int row) const { return FRows[std::size_t(row)]; }
    const std::vector<TImportRecord>& Rows() const { return FRows; }
    // The text of a cell; the Number column gives the row's position from 1.
    QString CellText(int row, int column) const;
    // Writes a text cell (date, title or detail) and reports it with CellEdited.
    void SetCellText(int row, int column, const QString& text);

    // The field header and the width in characters of each column.
    static QString Header(int column);
    static int DisplayWidth(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // A cell's text was written by an edit.
    void CellEdited(int row, int column);

private:
    QString* Field(int row, int column);

    std::vector<TImportRecord> FRows;
};
