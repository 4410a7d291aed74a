#include "UImportErrors.h"

#include <algorithm>

QString TImportError::Location() const
{
    return QString::number(RowNumber) % u'-' % QString::number(Column);
}

TImportErrorList::TImportErrorList(QObject* parent) : QAbstractTableModel(parent) {}

std::vector<TImportError>::iterator TImportErrorList::LowerBound(std::int64_t key)
{
    return std::lower_bound(FErrors.begin(), FErrors.end(), key,
                            [](const TImportError& e, std::int64_t k) { return e.Key() < k; });
}

int TImportErrorList::IndexOf(int rowNumber, int column) const
{
    const TImportError probe{rowNumber, column, {}};
    const auto it = std::lower_bound(FErrors.begin(), FErrors.end(), probe,
                                     [](const TImportError& a, const TImportError& b) { return a.Key() < b.Key(); });
    if (it == FErrors.end() || it->Key() != probe.Key()) return -1;
    return int(it - FErrors.begin());
}

void TImportErrorList::AddError(int rowNumber, int column, const QString& message)
{
    TImportError error{rowNumber, column, message};
    const auto it = LowerBound(error.Key());
    const auto index = std::size_t(it - FErrors.begin());
    if (it != FErrors.end() && it->Key() == error.Key()) {
        it->Message = message;
        if (FUpdateDepth == 0) Q_EMIT dataChanged(this->index(int(index), colError), this->index(int(index), colError));
        return;
    }
    InsertError(index, std::move(error));
}

void TImportErrorList::InsertError(std::size_t index, TImportError error)
{
    if (FUpdateDepth == 0) beginInsertRows({}, int(index), int(index));
    FErrors.insert(FErrors.begin() + std::ptrdiff_t(index), std::move(error));
    if (FUpdateDepth == 0) endInsertRows();
}

void TImportErrorList::RemoveError(int rowNumber, int column)
{
    const int index = IndexOf(rowNumber, column);
    if (index < 0) return;
    if (FUpdateDepth == 0) beginRemoveRows({}, index, index);
    FErrors.erase(FErrors.begin() + index);
    if (FUpdateDepth == 0) endRemoveRows();
}

void TImportErrorList::RemoveRow(int rowNumber)
{
    const auto first = LowerBound(std::int64_t(rowNumber) * 10);
    auto last = first;
    while (last != FErrors.end() && last->RowNumber == rowNumber) ++last;
    const int firstIndex = int(first - FErrors.begin());
    if (first != last) {
        if (FUpdateDepth == 0) beginRemoveRows({}, firstIndex, int(last - FErrors.begin()) - 1);
        FErrors.erase(first, last);
        if (FUpdateDepth == 0) endRemoveRows();
    }
    // Renumbering keeps the order: every entry after the row moves up by the same step.
    for (auto it = FErrors.begin() + firstIndex; it != FErrors.end(); ++it) --it->RowNumber;
    if (FUpdateDepth == 0 && firstIndex < Count())
        Q_EMIT dataChanged(index(firstIndex, colLocation), index(Count() - 1, colLocation), {Qt::DisplayRole});
}

void TImportErrorList::Clear()
{
    if (FErrors.empty()) return;
    if (FUpdateDepth == 0) beginResetModel();
    FErrors.clear();
    if (FUpdateDepth == 0) endResetModel();
}

void TImportErrorList::BeginUpdate()
{
    if (FUpdateDepth++ == 0) beginResetModel();
}

void TImportErrorList::EndUpdate()
{
    if (--FUpdateDepth == 0) endResetModel();
}

int TImportErrorList::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int TImportErrorList::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant TImportErrorList::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count()) return {};
    const TImportError& error = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == colLocation ? error.Location() : error.Message;
    case Qt::TextAlignmentRole:
        if (index.column() == colLocation) return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TImportErrorList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case colLocation: return QStringLiteral("場所");
    case colError: return QStringLiteral("エラー内容");
    default: return {};
    }
}
