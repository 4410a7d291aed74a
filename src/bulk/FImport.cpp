#include "FImport.h"

#include "FCategory.h"
#include "FImportHelp.h"
#include "MEvent.h"
#include "UCsvImport.h"
#include "UDateText.h"
#include "UDialogControls.h"
#include "UImportErrors.h"
#include "UImportPaint.h"
#include "UImportTable.h"
#include "UWholeNumber.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

namespace {

QIcon ImportPicture(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/import/") + name + QStringLiteral(".svg"));
}

// A list of the dialog: painted headers, whole-row selection, fixed row heights (so
// that a list of many rows costs nothing to lay out).
QTableView* NewGrid(QWidget* parent, const QString& name)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setHorizontalHeader(new TImportHeaderView(grid));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(true);
    grid->setWordWrap(false);
    return grid;
}

QString DateFault(const QString& text)
{
    if (text.isEmpty()) return QStringLiteral("日付を入力してください。");
    if (!IsValidDateText(text)) return QStringLiteral("正しい日付を入力してください。[%1]").arg(text);
    return {};
}

QString TitleFault(const QString& text)
{
    if (text.isEmpty()) return QStringLiteral("タイトルを入力してください。");
    return {};
}

} // namespace

TfrmImport::TfrmImport(TPlatform& platform, TfrmCategory& frmCategory, TfrmImportHelp& frmImportHelp,
                       QWidget* parent)
    : TForm(platform, parent), FfrmCategory(frmCategory), FfrmImportHelp(frmImportHelp),
      FTable(new TImportTable(this)), FErrors(new TImportErrorList(this))
{
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("インポート"));
    resize(640, 640);

    // The band at the top: open, the two hints, delete row.
    btnOpenFile = NewButton(this, QStringLiteral("btnOpenFile"), {80, 32}, QStringLiteral("開く(&O)"),
                            ImportPicture(QStringLiteral("Open")),
                            QStringLiteral("インポート(取り込み)対象のファイルを開きます"));
    Label2 = new QLabel(
        QStringLiteral("エラーがある場合は、この画面で修正するか、ファイルを修正して開き直してください。"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(
        QStringLiteral("複数行の詳細を修正する場合は、一覧ではなく中央の編集欄で修正してください。"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    btnDeleteRow = NewButton(this, QStringLiteral("btnDeleteRow"), {80, 32}, QStringLiteral("行削除(&D)"),
                             ImportPicture(QStringLiteral("DeleteRow")), QString());

    // The middle: the rows, the detail of the current row, the errors.
    grdEvents = NewGrid(this, QStringLiteral("grdEvents"));
    grdEvents->setModel(FTable);
    grdEvents->setItemDelegate(new TImportCellDelegate(grdEvents));
    grdEvents->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
    grdEvents->setTabKeyNavigation(true);
    const int digit = grdEvents->fontMetrics().horizontalAdvance(u'0');
    for (int column = 0; column < TImportTable::ColumnCount; ++column)
        grdEvents->setColumnWidth(column, TImportTable::DisplayWidth(column) * digit + 12);

    memContent = new QPlainTextEdit(this);
    memContent->setObjectName(QStringLiteral("memContent"));
    memContent->setTabChangesFocus(true);
    memContent->setEnabled(false);
    memContent->installEventFilter(this);

    grdError = NewGrid(this, QStringLiteral("grdError"));
    grdError->setModel(FErrors);
    grdError->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdError->setColumnWidth(TImportErrorList::colLocation, 40);
    grdError->setColumnWidth(TImportErrorList::colError, 470);

    splMiddle = new QSplitter(Qt::Vertical, this);
    splMiddle->setObjectName(QStringLiteral("splMiddle"));
    splMiddle->setHandleWidth(8);
    splMiddle->setChildrenCollapsible(false);
    splMiddle->addWidget(grdEvents);
    splMiddle->addWidget(memContent);
    splMiddle->addWidget(grdError);
    splMiddle->handle(1)->setObjectName(QStringLiteral("splEvents"));
    splMiddle->handle(2)->setObjectName(QStringLiteral("Splitter1"));
    for (QWidget* part : {static_cast<QWidget*>(grdEvents), static_cast<QWidget*>(memContent),
                          static_cast<QWidget*>(grdError)})
        part->setMinimumHeight(20);
    splMiddle->setStretchFactor(0, 0);
    splMiddle->setStretchFactor(1, 1);
    splMiddle->setStretchFactor(2, 0);
    splMiddle->setSizes({260, 160, 80});

    // The category band.
    Label1 = new QLabel(QStringLiteral("カテゴリー"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cmbCategory = new QComboBox(this);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    btnCategory = NewButton(this, QStringLiteral("btnCategory"), {24, 24}, QString(),
                            ImportPicture(QStringLiteral("Category")), QString());
    btnCategory->setFocusPolicy(Qt::ClickFocus);

    // The bottom band.
    btnHelp = NewButton(this, QStringLiteral("btnHelp"), {32, 32}, QString(), ImportPicture(QStringLiteral("Help")),
                        QStringLiteral("ヘルプを表示します。"));
    btnHelp->setIconSize({20, 20});
    btnHelp->setFocusPolicy(Qt::ClickFocus);
    btnImport = NewButton(this, QStringLiteral("btnImport"), {80, 32}, QStringLiteral("インポート(&I)"),
                          ImportPicture(QStringLiteral("Import")),
                          QStringLiteral("インポート(取り込み)を開始します"));
    btnClose = NewButton(this, QStringLiteral("btnClose"), {80, 32}, QStringLiteral("閉じる(&C)"),
                         ImportPicture(QStringLiteral("Close")), QStringLiteral("ダイアログを閉じます"));


    // Layout, from top to bottom.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFixedHeight(65);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(16, 16, 16, 0);
    panelLayout->setSpacing(8);
    auto* hints = new QVBoxLayout;
    hints->setSpacing(0);
    hints->addWidget(Label2);
    hints->addWidget(Label3);
    hints->addStretch();
    panelLayout->addWidget(btnOpenFile, 0, Qt::AlignTop);
    panelLayout->addLayout(hints, 1);
    panelLayout->addWidget(btnDeleteRow, 0, Qt::AlignTop);

    auto* panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFixedHeight(81);
    auto* panel1Layout = new QGridLayout(panel1);
    panel1Layout->setContentsMargins(16, 16, 16, 0);
    panel1Layout->setHorizontalSpacing(7);
    panel1Layout->setVerticalSpacing(0);
    Label1->setFixedHeight(25);
    panel1Layout->addWidget(Label1, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    panel1Layout->addWidget(cmbCategory, 1, 0);
    panel1Layout->addWidget(btnCategory, 1, 1);
    panel1Layout->setColumnStretch(0, 1);
    panel1Layout->setRowStretch(2, 1);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setFixedHeight(56);
    auto* panel2Layout = new QHBoxLayout(panel2);
    panel2Layout->setContentsMargins(16, 8, 16, 16);
    panel2Layout->setSpacing(8);
    panel2Layout->addWidget(btnHelp);
    panel2Layout->addStretch();
    panel2Layout->addWidget(btnImport);
    panel2Layout->addWidget(btnClose);

    auto* middle = new QVBoxLayout;
    middle->setContentsMargins(16, 0, 16, 0);
    middle->addWidget(splMiddle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(middle, 1);
    layout->addWidget(panel1);
    layout->addWidget(panel2);

    setTabOrder(btnOpenFile, btnDeleteRow);
    setTabOrder(btnDeleteRow, grdEvents);
    setTabOrder(grdEvents, memContent);
    setTabOrder(memContent, grdError);
    setTabOrder(grdError, cmbCategory);
    setTabOrder(cmbCategory, btnImport);
    setTabOrder(btnImport, btnClose);

    // Handlers.
    auto guarded = [this](void (TfrmImport::*handler)()) { return [this, handler] { Guard([&] { (this->*handler)(); }); }; };
    connect(btnOpenFile, &QPushButton::clicked, this, guarded(&TfrmImport::btnOpenFileClick));
    connect(btnDeleteRow, &QPushButton::clicked, this, guarded(&TfrmImport::btnDeleteRowClick));
    connect(btnImport, &QPushButton::clicked, this, guarded(&TfrmImport::btnImportClick));
    connect(btnClose, &QPushButton::clicked, this, guarded(&TfrmImport::btnCloseClick));
    connect(btnHelp, &QPushButton::clicked, this, guarded(&TfrmImport::btnHelpClick));
    connect(btnCategory, &QPushButton::clicked, this, guarded(&TfrmImport::btnCategoryClick));
    connect(cmbCategory, &QComboBox::currentIndexChanged, this, guarded(&TfrmImport::cmbCategoryChange));
    connect(FTable, &TImportTable::CellEdited, this,
            [this](int row, int column) { Guard([&] { grdEventsEditingDone(column, row); }); });
    connect(grdEvents->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { Guard([&] { grdEventsCurrentRowChange(current.row()); }); });
    connect(grdError->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                // The list moves its current entry itself when entries come and go; only a
                // selection by the user leads to a cell.
                if (!FChangingErrors) Guard([&] { grdErrorSelectCell(current.row()); });
            });
    connect(grdError, &QTableView::clicked, this,
            [this](const QModelIndex& index) { Guard([&] { grdErrorSelectCell(index.row()); }); });

    btnImport->setEnabled(false);
    btnDeleteRow->setEnabled(false);
}

TfrmImport::~TfrmImport() = default;

void TfrmImport::FormShow()
{
    InitControls();
}

bool TfrmImport::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memContent && event->type() == QEvent::FocusOut) Guard([this] { WriteContent(); });
    return TForm::eventFilter(watched, event);
}

void TfrmImport::InitControls()
{
    btnImport->setEnabled(false);
    btnDeleteRow->setEnabled(false);
    FContentRow = -1;
    FTable->Clear();
    const QScopedValueRollback quiet(FChangingErrors, true);
    FErrors->Clear();
    ShowContent(-1);
    LoadCategories();
}

void TfrmImport::LoadCategories()
{
    FCategories = TCategory::AllOrderBySortOrder();
    const QSignalBlocker quiet(cmbCategory);
    cmbCategory->clear();
    for (const auto& category : FCategories) cmbCategory->addItem(category->Name());
    cmbCategory->setCurrentIndex(-1);
}

void TfrmImport::btnOpenFileClick()
{
    TFileDialogOptions options;
    options.Title = QStringLiteral("インポートファイル");
    options.Filter = QStringLiteral("CSV|*.csv|ALL|*.*");
    options.FileMustExist = true;
    const auto fileName = Platform().OpenFileName(options);
    if (!fileName) return;

    // All or nothing: the whole file is read and decoded before the table changes.
    std::vector<TImportRecord> rows = ReadImportFile(*fileName);

    FContentRow = -1;
    FTable->SetRows(std::move(rows));
    SelectCell(0, TImportTable::colDate);
    grdEvents->setFocus();
    ValidateAll();
    UpdateButtons();
}

void TfrmImport::ValidateAll()
{
    const QScopedValueRollback quiet(FChangingErrors, true);
    const TImportErrorList::TUpdate bracket(*FErrors);
    FErrors->Clear();
    for (int row = 0; row < FTable->Count(); ++row) {
        const TImportRecord& record = FTable->Row(row);
        ValidateCell(row, TImportTable::colDate, record.Date);
        ValidateCell(row, TImportTable::colTitle, record.Title);
    }
}

void TfrmImport::ValidateCell(int row, int column, const QString& text)
{
    const int rowNumber = row + 1;
    QString fault;
    if (column == TImportTable::colDate) fault = DateFault(text);
    else if (column == TImportTable::colTitle) fault = TitleFault(text);
    {
        const QScopedValueRollback quiet(FChangingErrors, true);
        if (!fault.isEmpty()) FErrors->AddError(rowNumber, column, fault);
        else FErrors->RemoveError(rowNumber, column);
    }
    UpdateButtons();
}

void TfrmImport::grdEventsEditingDone(int column, int row)
{
    ValidateCell(row, column, FTable->CellText(row, column));
    // An edit of the detail in the list shows in the edit box too.
    if (column == TImportTable::colContent && row == FContentRow && !memContent->document()->isModified())
        ShowContent(row);
}

void TfrmImport::cmbCategoryChange()
{
    UpdateButtons();
}

void TfrmImport::UpdateButtons()
{
    const bool hasRows = FTable->Count() > 0;
    btnDeleteRow->setEnabled(hasRows);
    btnImport->setEnabled(hasRows && FErrors->IsEmpty() && cmbCategory->currentIndex() >= 0);
}

void TfrmImport::btnDeleteRowClick()
{
    if (FTable->Count() == 0) return;
    const int row = CurrentRow();
    if (row < 0) return;
    WriteContent();
    const int column = grdEvents->currentIndex().column();
    FContentRow = -1;
    FTable->RemoveRow(row);
    // The rows after it move up one number, and so do their errors. The cells keep
    // their texts, so moving the entries gives what checking every row again gives.
    {
        const QScopedValueRollback quiet(FChangingErrors, true);
        FErrors->RemoveRow(row + 1);
    }
    if (FTable->Count() > 0) SelectCell(std::min(row, FTable->Count() - 1), column);
    else ShowContent(-1);
    UpdateButtons();
}

void TfrmImport::grdErrorSelectCell(int row)
{
    if (row < 0 || row >= FErrors->Count()) return;
    const TImportError& error = FErrors->At(row);
    SelectCell(error.RowNumber - 1, error.Column);
    grdEvents->scrollTo(FTable->index(error.RowNumber - 1, error.Column), QAbstractItemView::PositionAtTop);
}

void TfrmImport::grdEventsCurrentRowChange(int row)
{
    WriteContent();
    ShowContent(row);
}

void TfrmImport::btnCategoryClick()
{
    int remembered = -1;
    const int selected = cmbCategory->currentIndex();
    if (selected >= 0 && selected < int(FCategories.size())) remembered = FCategories[std::size_t(selected)]->Id();

    Platform().ShowModal(FfrmCategory);
    LoadCategories();
    for (std::size_t i = 0; i < FCategories.size(); ++i) {
        if (FCategories[i]->Id() == remembered) {
            cmbCategory->setCurrentIndex(int(i));
            break;
        }
    }
    UpdateButtons();
}

void TfrmImport::btnImportClick()
{
    WriteContent();
    const int selected = cmbCategory->currentIndex();
    if (FTable->Count() == 0 || !FErrors->IsEmpty() || selected < 0 || selected >= int(FCategories.size())) return;
    const int categoryId = FCategories[std::size_t(selected)]->Id();

    // The events are built from the cells as shown, after the user's corrections.
    TEventList events;
    events.reserve(std::size_t(FTable->Count()));
    for (const TImportRecord& record : FTable->Rows()) {
        const QStringList pieces = SplitDate(record.Date);
        if (pieces.size() != 3) throw std::runtime_error(DateFault(record.Date).toStdString());
        auto event = std::make_unique<TEvent>();
        event->SetCategoryId(categoryId);
        event->SetYmd(StrToInt(pieces[0]), StrToInt(pieces[1]), StrToInt(pieces[2]));
        event->SetTitle(record.Title);
        event->SetContent(record.Content);
        events.push_back(std::move(event));
    }

    // Every row or none: a failure rolls the transaction back and leaves the dialog as it is.
    SQLite::Transaction tx(Db());
    TEvent::InsertAll(events);
    tx.commit();

    Platform().ShowMessage(QString::number(events.size()) + QStringLiteral("件のデータをインポートしました。"));
    InitControls();
}

void TfrmImport::btnHelpClick()
{
    // The help stays usable beside this modal dialog: a window whose transient
    // parent is the modal dialog is not blocked by it. Nothing else ties the two,
    // so the help stays open when this dialog closes.
    FfrmImportHelp.winId();
    if (QWindow* help = FfrmImportHelp.windowHandle()) help->setTransientParent(windowHandle());
    Platform().ShowModeless(FfrmImportHelp);
}

void TfrmImport::btnCloseClick()
{
    Close(mrCancel);
}

int TfrmImport::CurrentRow() const
{
    const QModelIndex current = grdEvents->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TfrmImport::SelectCell(int row, int column)
{
    if (row < 0 || row >= FTable->Count()) return;
    grdEvents->setCurrentIndex(FTable->index(row, column));
    // The current row may have stayed the same while the rows under it changed.
    if (row != FContentRow) ShowContent(row);
}

void TfrmImport::ShowContent(int row)
{
    const bool valid = row >= 0 && row < FTable->Count();
    FContentRow = valid ? row : -1;
    memContent->setPlainText(valid ? FTable->Row(row).Content : QString());
    memContent->document()->setModified(false);
    memContent->setEnabled(valid);
}

void TfrmImport::WriteContent()
{
    if (FContentRow < 0 || FContentRow >= FTable->Count() || !memContent->document()->isModified()) return;
    memContent->document()->setModified(false);
    FTable->SetCellText(FContentRow, TImportTable::colContent, memContent->toPlainText());
}
