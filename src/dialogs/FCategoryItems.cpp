#include "FCategoryItems.h"

#include <QApplication>
#include <QPainter>

int TCategoryItems::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TCategoryItems::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count()) return {};
    const TCategoryItem& item = Item(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return item.Name;
    case IdRole: return item.Id;
    default: return {};
    }
}

void TCategoryItems::Clear()
{
    beginResetModel();
    FItems.clear();
    endResetModel();
}

void TCategoryItems::Append(const TCategoryItem& item)
{
    beginInsertRows(QModelIndex(), Count(), Count());
    FItems.push_back(item);
    endInsertRows();
}

void TCategoryItems::SetItem(int row, const TCategoryItem& item)
{
    FItems.at(static_cast<size_t>(row)) = item;
    const QModelIndex changed = index(row);
    Q_EMIT dataChanged(changed, changed);
}

void TCategoryItems::Remove(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    FItems.erase(FItems.begin() + row);
    endRemoveRows();
}

TCategoryItemDelegate::TCategoryItemDelegate(QIcon editPicture, QIcon deletePicture, QObject* parent)
    : QStyledItemDelegate(parent), FEditPicture(std::move(editPicture)), FDeletePicture(std::move(deletePicture))
{
}

QRect TCategoryItemDelegate::NameRect(const QRect& row) const
{
    return QRect(row.left() + ItemSpacing, row.top(), qMax(0, FNameWidth), row.height());
}

QRect TCategoryItemDelegate::DeleteRect(const QRect& row)
{
    const int end = row.right() + 1 - ItemSpacing;
    return QRect(end - PictureWidth, row.top() + (row.height() - PictureWidth) / 2, PictureWidth, PictureWidth);
}

QRect TCategoryItemDelegate::EditRect(const QRect& row)
{
    return DeleteRect(row).translated(-EditOffset, 0);
}

TCategoryItemObject TCategoryItemDelegate::HitTest(const QRect& row, const QPoint& pos) const
{
    if (!row.contains(pos)) return TCategoryItemObject::None;
    if (DeleteRect(row).contains(pos)) return TCategoryItemObject::Delete;
    if (EditRect(row).contains(pos)) return TCategoryItemObject::Edit;
    if (NameRect(row).contains(pos)) return TCategoryItemObject::Name;
    return TCategoryItemObject::None;
}

void TCategoryItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The background and selection as the style draws them, without text.
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect nameRect = NameRect(row);
    const QString name =
        option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, nameRect.width());
    painter->drawText(nameRect, Qt::AlignLeading | Qt::AlignVCenter | Qt::TextSingleLine, name);
    FEditPicture.paint(painter, EditRect(row));
    FDeletePicture.paint(painter, DeleteRect(row));
    painter->restore();
}

QSize TCategoryItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), RowHeight);
}

int CategoryNameWidth(int listWidth, int itemSpacing, int scrollBarWidth)
{
    return listWidth - (itemSpacing + itemSpacing) - TCategoryItemDelegate::EditOffset -
           TCategoryItemDelegate::PictureWidth - scrollBarWidth;
}
