#include "UImportPaint.h"

#include "UDateText.h"
#include "UImportTable.h"

#include <QLineEdit>
#include <QPainter>
#include <limits>

namespace {

const QColor NumberFace(0xF5, 0xF5, 0xF5);
const QColor FaultyFace(0xFF, 0x00, 0x00, 0x80);
const QColor HeaderLine(0x69, 0x69, 0x69);
const QColor HeaderFace(0xF5, 0xF5, 0xF5);
constexpr qreal HeaderLineWidth = 0.25;

} // namespace

std::optional<QColor> ImportCellBackground(int column, const QString& text)
{
    switch (column) {
    case TImportTable::colNumber: return NumberFace;
    case TImportTable::colDate:
        if (text.isEmpty() || !IsValidDateText(text)) return FaultyFace;
        return std::nullopt;
    case TImportTable::colTitle:
        if (text.isEmpty()) return FaultyFace;
        return std::nullopt;
    default: return std::nullopt;
    }
}

void TImportCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto face = ImportCellBackground(index.column(), index.data(Qt::DisplayRole).toString());
    if (!face) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The face stays visible in the selected row: the selection is laid over it
    // half-transparent instead of covering it.
    QStyleOptionViewItem plain(option);
    painter->fillRect(option.rect, *face);
    if (option.state & QStyle::State_Selected) {
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(0x50);
        painter->fillRect(option.rect, highlight);
        plain.state &= ~QStyle::State_Selected;
    }
    QStyledItemDelegate::paint(painter, plain, index);
}

QWidget* TImportCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(std::numeric_limits<int>::max());
    return editor;
}

void TImportCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    // A cell merely passed through keeps its text exactly, line breaks included.
    if (auto* line = qobject_cast<QLineEdit*>(editor); line && !line->isModified()) return;
    QStyledItemDelegate::setModelData(editor, model, index);
}

TImportHeaderView::TImportHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void TImportHeaderView::DrawHeader(QPainter& painter, const QRectF& bounds, const QString& headerText)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(bounds, HeaderLine);
    painter.fillRect(bounds.adjusted(0, 0, -HeaderLineWidth, -HeaderLineWidth), HeaderFace);
    painter.setPen(Qt::black);
    painter.drawText(bounds, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, u' ' + headerText);
    painter.restore();
}

void TImportHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model()) return;
    DrawHeader(*painter, QRectF(rect), model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString());
}

QSize TImportHeaderView::sectionSizeFromContents(int logicalIndex) const
{
    QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
    size.rwidth() += fontMetrics().horizontalAdvance(u' ');
    return size;
}
