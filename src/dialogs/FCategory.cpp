#include "FCategory.h"

#include "FCategoryItems.h"
#include "MCategory.h"
#include "MEvent.h"
#include "UDialogControls.h"

#include <QAction>
#include <QBoxLayout>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

const QString PromptLabel = QStringLiteral("カテゴリー名");

// Suspends a widget's painting for the length of a scope.
class TPaintingSuspended {
public:
    explicit TPaintingSuspended(QWidget* widget) : FWidget(widget) { FWidget->setUpdatesEnabled(false); }
    ~TPaintingSuspended() { FWidget->setUpdatesEnabled(true); }
    TPaintingSuspended(const TPaintingSuspended&) = delete;
    TPaintingSuspended& operator=(const TPaintingSuspended&) = delete;

private:
    QWidget* FWidget;
};

TCategoryItem ItemOf(const TCategory& category)
{
    return {category.Id(), category.Name()};
}

} // namespace

TfrmCategory::TfrmCategory(TPlatform& platform, QWidget* parent) : TForm(platform, parent)
{
    setObjectName(QStringLiteral("frmCategory"));
    setWindowTitle(QStringLiteral("カテゴリー"));
    resize(640, 480);

    const auto newAction = [this](const char* name, const QString& text, const QString& hint, const char* picture,
                                  void (TfrmCategory::*handler)()) {
        auto* action = new QAction(DialogPicture(QString::fromLatin1(picture)), text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, [this, handler] { Guard([&] { (this->*handler)(); }); });
        return action;
    };
    actAdd = newAction("actAdd", QStringLiteral("追加(&A)..."), QStringLiteral("カテゴリーを追加します"), "Add",
                       &TfrmCategory::actAddExecute);
    actDelete = newAction("actDelete", QStringLiteral("削除(&D)"), QStringLiteral("カテゴリーを削除します"), "Delete",
                          &TfrmCategory::actDeleteExecute);
    actEdit = newAction("actEdit", QStringLiteral("編集(&E)..."), QStringLiteral("カテゴリー名を編集します"), "Edit",
                        &TfrmCategory::actEditExecute);
    actUp =
        newAction("actUp", QString(), QStringLiteral("カテゴリーを上に移動します"), "Up", &TfrmCategory::actUpExecute);
    actDown = newAction("actDown", QString(), QStringLiteral("カテゴリーを下に移動します"), "Down",
                        &TfrmCategory::actDownExecute);
    actClose = newAction("actClose", QStringLiteral("閉じる(&C)"), QStringLiteral("ダイアログを閉じます"), "Close",
                         &TfrmCategory::actCloseExecute);

    FItems = new TCategoryItems(this);
    FDelegate =
        new TCategoryItemDelegate(DialogPicture(QStringLiteral("Edit")), DialogPicture(QStringLiteral("Delete")), this);
    lsvCategory = new QListView(this);
    lsvCategory->setObjectName(QStringLiteral("lsvCategory"));
    lsvCategory->setModel(FItems);
    lsvCategory->setItemDelegate(FDelegate);
    lsvCategory->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvCategory->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvCategory->setDragEnabled(false);
    lsvCategory->setUniformItemSizes(true);
    lsvCategory->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lsvCategory->installEventFilter(this);
    lsvCategory->viewport()->installEventFilter(this);
    connect(lsvCategory->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Guard([this] { lsvCategoryChange(); }); });
    connect(lsvCategory, &QListView::clicked, this, [this](const QModelIndex& index) {
        Guard([&] {
            lsvCategoryItemClickEx(index.row(), FLastClickPos,
                                   FDelegate->HitTest(lsvCategory->visualRect(index), FLastClickPos));
        });
    });

    const QSize wide(80, 32);
    const QSize square(32, 32);
    btnAdd = NewActionButton(this, QStringLiteral("btnAdd"), wide, actAdd, true);
    btnEdit = NewActionButton(this, QStringLiteral("btnEdit"), wide, actEdit, true);
    btnDelete = NewActionButton(this, QStringLiteral("btnDelete"), wide, actDelete, true);
    btnUp = NewActionButton(this, QStringLiteral("btnUp"), square, actUp, false);
    btnDown = NewActionButton(this, QStringLiteral("btnDown"), square, actDown, false);
    btnClose = NewActionButton(this, QStringLiteral("btnClose"), wide, actClose, true);

    // The list above, margins of 16 at the left, top and right; the bottom bar of
    // 64 with the buttons aligned right.
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(16, 16, 16, 0);
    form->setSpacing(0);
    form->addWidget(lsvCategory, 1);
    auto* bottomBar = new QHBoxLayout;
    bottomBar->setContentsMargins(0, 16, 0, 16);
    bottomBar->setSpacing(16);
    bottomBar->addStretch(1);
    for (QPushButton* button : {btnAdd, btnEdit, btnDelete, btnUp}) bottomBar->addWidget(button);
    bottomBar->addSpacing(8 - bottomBar->spacing());
    bottomBar->addWidget(btnDown);
    bottomBar->addWidget(btnClose);
    form->addLayout(bottomBar);

    setTabOrder(lsvCategory, btnClose);
    setTabOrder(btnClose, btnAdd);
    setTabOrder(btnAdd, btnEdit);
    setTabOrder(btnEdit, btnDelete);
    setTabOrder(btnDelete, btnUp);
    setTabOrder(btnUp, btnDown);

    lsvCategoryUpdateObjects();
    UpdateButtons();
}

void TfrmCategory::FormShow()
{
    // The rows of the last showing go first, so that a failed read leaves no rows
    // of categories that may be gone.
    FItems->Clear();
    UpdateButtons();
    const TCategoryList categories = TCategory::AllOrderBySortOrder();
    {
        const TPaintingSuspended suspended(lsvCategory);
        for (const auto& category : categories) AddCategoryItem(*category);
        if (FItems->Count() > 0) {
            SelectRow(0);
            lsvCategoryChange();
        }
    }
    UpdateButtons();
    lsvCategory->setFocus();
}

bool TfrmCategory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lsvCategory && event->type() == QEvent::Resize) {
        lsvCategoryUpdateObjects();
    } else if (watched == lsvCategory->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // The view reports a click after the release; its place is kept here.
        FLastClickPos = static_cast<QMouseEvent*>(event)->position().toPoint();
    }
    return TForm::eventFilter(watched, event);
}

void TfrmCategory::lsvCategoryChange()
{
    UpdateButtons();
}

void TfrmCategory::lsvCategoryItemClickEx(int itemIndex, const QPoint& localClickPos, TCategoryItemObject itemObject)
{
    Q_UNUSED(itemIndex);
    Q_UNUSED(localClickPos);
    // The click has already made the row the selected one.
    switch (itemObject) {
    case TCategoryItemObject::Edit: actEditExecute(); break;
    case TCategoryItemObject::Delete: actDeleteExecute(); break;
    case TCategoryItemObject::Name:
    case TCategoryItemObject::None: break;
    }
}

void TfrmCategory::lsvCategoryUpdateObjects()
{
    const int scrollBarWidth = lsvCategory->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lsvCategory);
    FDelegate->SetNameWidth(
        CategoryNameWidth(lsvCategory->contentsRect().width(), TCategoryItemDelegate::ItemSpacing, scrollBarWidth));
    lsvCategory->viewport()->update();
}

void TfrmCategory::actAddExecute()
{
    QString name;
    if (!Platform().InputQuery(QStringLiteral("追加するカテゴリー名を入力してください。"), PromptLabel, name)) return;
    if (name.isEmpty()) return;
    TCategory category;
    category.SetName(name);
    category.Save();
    AddCategoryItem(category);
    SelectRow(FItems->Count() - 1);
    lsvCategoryChange();
}

void TfrmCategory::actEditExecute()
{
    const int row = SelectedRow();
    if (row < 0) return;
    const TCategoryItem item = FItems->Item(row);
    QString name = item.Name;
    if (!Platform().InputQuery(QStringLiteral("変更後のカテゴリー名を入力してください。"), PromptLabel, name)) return;
    if (name == item.Name || name.isEmpty()) return;

    std::unique_ptr<TCategory> category;
    try {
        category = TCategory::FindById(item.Id);
    } catch (const ERecordNotFoundException&) {
        Platform().ShowMessage(QStringLiteral("編集対象のカテゴリーが見つかりませんでした。"));
        return;
    }
    category->SetName(name);
    category->Update();
    SetCategoryItemData(row, *category);
}

void TfrmCategory::actDeleteExecute()
{
    const int row = SelectedRow();
    if (row < 0) return;
    const int id = FItems->Item(row).Id;
    const int count = TEvent::CountByCategoryId(id);
    if (count > 0 && !Platform().Confirm(QStringLiteral("カテゴリーに関連するイベントが%1件あります。\r\n"
                                                        "イベントも同時に削除しますがよろしいですか？")
                                             .arg(count)))
        return;

    {
        // The events first: the events' reference to their category is enforced.
        SQLite::Transaction transaction(Db());
        if (count > 0) TEvent::DeleteByCategoryId(id);
        TCategory::DeleteById(id);
        transaction.commit();
    }

    FItems->Remove(row);
    if (row < FItems->Count())
        SelectRow(row);
    else if (FItems->Count() > 0)
        SelectRow(FItems->Count() - 1);
    lsvCategoryChange();
}

void TfrmCategory::actUpExecute()
{
    const int row = SelectedRow();
    if (row <= 0) return;
    SwapCategories(row, row - 1);
}

void TfrmCategory::actDownExecute()
{
    const int row = SelectedRow();
    if (row < 0 || row + 1 >= FItems->Count()) return;
    SwapCategories(row, row + 1);
}

void TfrmCategory::actCloseExecute()
{
    Close(mrCancel);
}

void TfrmCategory::UpdateButtons()
{
    const int row = SelectedRow();
    const bool selected = row >= 0;
    btnEdit->setEnabled(selected);
    btnDelete->setEnabled(selected);
    btnUp->setEnabled(selected && row > 0);
    btnDown->setEnabled(selected && row < FItems->Count() - 1);
}

void TfrmCategory::AddCategoryItem(const TCategory& category)
{
    FItems->Append(ItemOf(category));
}

void TfrmCategory::SetCategoryItemData(int row, const TCategory& category)
{
    FItems->SetItem(row, ItemOf(category));
}

void TfrmCategory::SwapCategories(int from, int to)
{
    const auto a = TCategory::FindById(FItems->Item(from).Id);
    const auto b = TCategory::FindById(FItems->Item(to).Id);
    const int sortOrder = a->SortOrder();
    a->SetSortOrder(b->SortOrder());
    b->SetSortOrder(sortOrder);
    {
        SQLite::Transaction transaction(Db());
        a->Update();
        b->Update();
        transaction.commit();
    }

    const TPaintingSuspended suspended(lsvCategory);
    SetCategoryItemData(to, *a);
    SetCategoryItemData(from, *b);
    SelectRow(to);
    UpdateButtons();
}

int TfrmCategory::SelectedRow() const
{
    const QModelIndexList selected = lsvCategory->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TfrmCategory::SelectRow(int row)
{
    lsvCategory->selectionModel()->setCurrentIndex(FItems->index(row), QItemSelectionModel::ClearAndSelect);
}
