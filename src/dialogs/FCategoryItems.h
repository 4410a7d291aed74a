#pragma once
// The rows of the category manager's list and the way one row is painted: the
// category's name, then the "Edit" and "Delete" pictures at the end of the row.
#include <QAbstractListModel>
#include <QIcon>
#include <QStyledItemDelegate>
#include <vector>

class TCategory;

// One row: the category's id and the name it shows.
struct TCategoryItem {
    int Id = 0;
    QString Name;
};

// The list's rows, in the order of the categories' positions.
class TCategoryItems : public QAbstractListModel {
    Q_OBJECT
public:
    // The row's category id, besides Qt::DisplayRole for its name.
    static constexpr int IdRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const TCategoryItem& Item(int row) const { return FItems.at(static_cast<size_t>(row)); }
    int Count() const { return static_cast<int>(FItems.size()); }

    void Clear();
    void Append(const TCategoryItem& item);
    void SetItem(int row, const TCategoryItem& item);
    void Remove(int row);

private:
    std::vector<TCategoryItem> FItems;
};

// The objects of a row that a click can hit.
enum class TCategoryItemObject { None, Name, Edit, Delete };

// Paints a row 36 high. Inside the item spacing at both sides: the name from
// the start, the "Delete" picture 22 wide at the end and the "Edit" picture 22
// wide placed 30 further toward the start.
class TCategoryItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int RowHeight = 36;
    static constexpr int PictureWidth = 22;
    static constexpr int EditOffset = 30;  // the "Edit" picture's distance from the "Delete" picture
    static constexpr int ItemSpacing = 10; // room kept free at both sides of a row

    TCategoryItemDelegate(QIcon editPicture, QIcon deletePicture, QObject* parent);

    // The width of every row's name text; set by the list whenever it lays its
    // rows out.
    void SetNameWidth(int width) { FNameWidth = width; }
    int NameWidth() const { return FNameWidth; }

    // The room of each object inside a row's rectangle.
    QRect NameRect(const QRect& row) const;
    static QRect EditRect(const QRect& row);
    static QRect DeleteRect(const QRect& row);
    // The object under pos (pos and row in the same coordinates).
    TCategoryItemObject HitTest(const QRect& row, const QPoint& pos) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QIcon FEditPicture;
    QIcon FDeletePicture;
    int FNameWidth = 0;
};

// The name's width: the list's width less the item spacing on both sides, less
// the room of the two pictures (30 + 22), less a vertical scroll bar.
int CategoryNameWidth(int listWidth, int itemSpacing, int scrollBarWidth);
