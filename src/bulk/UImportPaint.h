#pragma once
// How the import dialog paints its lists: the cells of the import table (a light
// grey row number, a half-strength red behind a faulty date or title) and the
// headers of both lists (a light face, a thin dark grey line along the right and
// bottom edges, black text after one blank).
#include <QColor>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <optional>

// The background of a cell of the import table, or nothing for the standard one.
std::optional<QColor> ImportCellBackground(int column, const QString& text);

// Paints the cells of the import table; edits a cell with a line editor that takes
// a text of any length and writes only what the user changed.
class TImportCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

// The column header of both lists of the import dialog.
class TImportHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit TImportHeaderView(QWidget* parent = nullptr);

    // Draws one header into bounds: the header face, then one blank and the text.
    static void DrawHeader(QPainter& painter, const QRectF& bounds, const QString& headerText);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;
};
