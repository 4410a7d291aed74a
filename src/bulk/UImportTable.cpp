#include "UImportTable.h"

TImportTable::TImportTable(QObject* parent) : QAbstractTableModel(parent) {}

void TImportTable::SetRows(std::vector<TImportRecord> rows)
{
    beginResetModel();
    FRows = std::move(rows);
    endResetModel();
}

void TImportTable::Clear()
{
    SetRows({});
}

void TImportTable::RemoveRow(int row)
{
    if (row < 0 || row >= Count()) return;
    beginRemoveRows({}, row, row);
    FRows.erase(FRows.begin() + row);
    endRemoveRows();
    // Every row after it now shows a number one lower.
    if (row < Count()) Q_EMIT dataChanged(index(row, colNumber), index(Count() - 1, colNumber), {Qt::DisplayRole});
}

QString* TImportTable::Field(int row, int column)
{
    if (row < 0 || row >= Count()) return nullptr;
    TImportRecord& record = FRows[std::size_t(row)];
    switch (column) {
    case colDate: return &record.Date;
    case colTitle: return &record.Title;
    case colContent: return &record.Content;
    default: return nullptr;
    }
}

QString TImportTable::CellText(int row, int column) const
{
    if (row < 0 || row >= Count()) return {};
    const TImportRecord& record = FRows[std::size_t(row)];
    switch (column) {
    case colNumber: return QString::number(row + 1);
    case colDate: return record.Date;
    case colTitle: return record.Title;
    case colContent: return record.Content;
    default: return {};
    }
}

void TImportTable::SetCellText(int row, int column, const QString& text)
{
    QString* field = Field(row, column);
    if (!field) return;
    *field = text;
    const QModelIndex cell = index(row, column);
    Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT CellEdited(row, column);
}

QString TImportTable::Header(int column)
{
    switch (column) {
    case colNumber: return QStringLiteral("項番");
    case colDate: return QStringLiteral("日付");
    case colTitle: return QStringLiteral("タイトル");
    case colContent: return QStringLiteral("詳細");
    default: return {};
    }
}

int TImportTable::DisplayWidth(int column)
{
    switch (column) {
    case colNumber: return 4;
    case colDate: return 10;
    default: return 30;
    }
}

int TImportTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TImportTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TImportTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == colNumber) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TImportTable::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !Field(index.row(), index.column())) return false;
    SetCellText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags TImportTable::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != colNumber) flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant TImportTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return Header(section);
}
