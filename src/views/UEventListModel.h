#pragma once
// A list of events shown as three read-only columns: the event's own date in a date
// pattern, its category's name and its title. The model reads the window's owned
// list and builds nothing per cell, so a list of a million events shows at once.
#include "MEvent.h"

#include <QAbstractTableModel>

class TEventListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { colDate = 0, colCategory = 1, colTitle = 2 };

    explicit TEventListModel(QObject* parent = nullptr);

    // Shows events, dates formatted with datePattern. The list is not owned; call
    // again (with nullptr for none) before it is freed or replaced.
    void SetEvents(const TEventList* events, const QString& datePattern);
    // Repaints one row after its event was replaced in the list.
    void RowChanged(int row);
    const TEvent* EventAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of the date column for one event. A stored date that is no calendar
    // date shows its digits as yyyy-mm-dd instead of failing.
    static QString DateText(const TEvent& event, const QString& datePattern);

private:
    const TEventList* FEvents = nullptr;
    QString FDatePattern;
};
