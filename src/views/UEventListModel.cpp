#include "UEventListModel.h"

#include "UCalendar.h"
#include "UDatePattern.h"

TEventListModel::TEventListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TEventListModel::SetEvents(const TEventList* events, const QString& datePattern)
{
    beginResetModel();
    FEvents = events;
    FDatePattern = datePattern;
    endResetModel();
}

void TEventListModel::RowChanged(int row)
{
    Q_EMIT dataChanged(index(row, colDate), index(row, colTitle));
}

const TEvent* TEventListModel::EventAt(int row) const
{
    if (!FEvents || row < 0 || row >= int(FEvents->size())) return nullptr;
    return (*FEvents)[size_t(row)].get();
}

int TEventListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !FEvents ? 0 : int(FEvents->size());
}

int TEventListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QString TEventListModel::DateText(const TEvent& event, const QString& datePattern)
{
    if (!IsValidDate(event.Year(), event.Month(), event.Day())) {
        return QStringLiteral("%1-%2-%3")
            .arg(event.Year(), 4, 10, QLatin1Char('0'))
            .arg(event.Month(), 2, 10, QLatin1Char('0'))
            .arg(event.Day(), 2, 10, QLatin1Char('0'));
    }
    return FormatDatePattern(datePattern, event.DateTime());
}

QVariant TEventListModel::data(const QModelIndex& index, int role) const
{
    const TEvent* event = EventAt(index.row());
    if (!event) return {};
    if (role == Qt::TextAlignmentRole && index.column() == colDate)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
    case colDate: return DateText(*event, FDatePattern);
    case colCategory: return event->CategoryName();
    case colTitle: return event->Title();
    default: return {};
    }
}

QVariant TEventListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case colDate: return QStringLiteral("日付");
    case colCategory: return QStringLiteral("カテゴリー");
    case colTitle: return QStringLiteral("タイトル");
    default: return {};
    }
}
