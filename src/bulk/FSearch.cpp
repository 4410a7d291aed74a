#include "FSearch.h"

#include "FEvent.h"
#include "MSettings.h"
#include "UCalendar.h"
#include "UCsvExport.h"
#include "UDialogControls.h"
#include "UEventListModel.h"
#include "UWholeNumber.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>

namespace {

QIcon SearchPicture(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/search/") + name + QStringLiteral(".svg"));
}

// A band of the criteria: a fixed height, the controls from the left.
QHBoxLayout* NewBand(QWidget* parent, QBoxLayout* form, const QString& name, int height)
{
    auto* band = new QWidget(parent);
    band->setObjectName(name);
    band->setFixedHeight(height);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(16, 0, 16, 0);
    row->setSpacing(4);
    form->addWidget(band);
    return row;
}

} // namespace

TfrmSearch::TfrmSearch(TPlatform& platform, TfrmEvent& frmEvent, QWidget* parent)
    : TForm(platform, parent), FfrmEvent(frmEvent)
{
    setObjectName(QStringLiteral("frmSearch"));
    setWindowTitle(QStringLiteral("検索"));
    resize(640, 640);

    edtFromYear = NewEdit(this, QStringLiteral("edtFromYear"), 40);
    edtFromMonth = NewEdit(this, QStringLiteral("edtFromMonth"), 24);
    edtFromDay = NewEdit(this, QStringLiteral("edtFromDay"), 24);
    edtToYear = NewEdit(this, QStringLiteral("edtToYear"), 40);
    edtToMonth = NewEdit(this, QStringLiteral("edtToMonth"), 24);
    edtToDay = NewEdit(this, QStringLiteral("edtToDay"), 24);
    edtTitle = NewEdit(this, QStringLiteral("edtTitle"));
    cmbCategory = new QComboBox(this);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    edtContent = NewEdit(this, QStringLiteral("edtContent"));

    const QSize buttonSize(80, 32);
    btnSearch = NewButton(this, QStringLiteral("btnSearch"), buttonSize, QStringLiteral("検索(&S)"),
                          SearchPicture(QStringLiteral("Search")), QStringLiteral("検索します"));
    btnClear = NewButton(this, QStringLiteral("btnClear"), buttonSize, QStringLiteral("クリア(&E)"),
                         SearchPicture(QStringLiteral("Clear")), QStringLiteral("検索条件と検索結果をクリアします"));
    btnExport = NewButton(this, QStringLiteral("btnExport"), buttonSize, QStringLiteral("エクスポート"),
                          SearchPicture(QStringLiteral("Export")), QStringLiteral("エクスポート(書き出し)を開始します"));
    btnEdit = NewButton(this, QStringLiteral("btnEdit"), buttonSize, QStringLiteral("編集(&E)"),
                        SearchPicture(QStringLiteral("Edit")), QStringLiteral("イベントを編集します"));
    btnDelete = NewButton(this, QStringLiteral("btnDelete"), buttonSize, QStringLiteral("削除(&D)"),
                          SearchPicture(QStringLiteral("Delete")), QStringLiteral("イベントを削除します"));
    btnClose = NewButton(this, QStringLiteral("btnClose"), buttonSize, QStringLiteral("閉じる(&C)"),
                         SearchPicture(QStringLiteral("Close")), QStringLiteral("ダイアログを閉じます"));

    // The result list reads FEvents through the model; nothing is built per cell.
    FEventModel = new TEventListModel(this);
    grdEvent = new QTableView(this);
    grdEvent->setObjectName(QStringLiteral("grdEvent"));
    grdEvent->setModel(FEventModel);
    grdEvent->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdEvent->setSelectionMode(QAbstractItemView::SingleSelection);
    grdEvent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdEvent->setWordWrap(false);
    grdEvent->verticalHeader()->hide();
    grdEvent->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdEvent->verticalHeader()->setDefaultSectionSize(grdEvent->fontMetrics().height() + 8);
    grdEvent->horizontalHeader()->setSectionsMovable(true);
    grdEvent->horizontalHeader()->setHighlightSections(false);
    grdEvent->setColumnWidth(TEventListModel::colDate, 80);
    grdEvent->setColumnWidth(TEventListModel::colCategory, 100);
    grdEvent->setColumnWidth(TEventListModel::colTitle, 300);
    grdEvent->setMinimumHeight(20);
    memContent = new QPlainTextEdit(this);
    memContent->setObjectName(QStringLiteral("memContent"));
    memContent->setReadOnly(true);
    memContent->setMinimumHeight(20);

    connect(btnSearch, &QPushButton::clicked, this, [this] { Guard([this] { btnSearchClick(); }); });
    connect(btnClear, &QPushButton::clicked, this, [this] { Guard([this] { btnClearClick(); }); });
    connect(btnEdit, &QPushButton::clicked, this, [this] { Guard([this] { btnEditClick(); }); });
    connect(btnDelete, &QPushButton::clicked, this, [this] { Guard([this] { btnDeleteClick(); }); });
    connect(btnExport, &QPushButton::clicked, this, [this] { Guard([this] { btnExportClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { Guard([this] { btnCloseClick(); }); });
    connect(grdEvent->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Guard([&] { grdEventSelectCell(current.row()); }); });
    // A row deselected without moving (Ctrl+click) disables edit and delete too.
    connect(grdEvent->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { Guard([this] { UpdateButtons(-1); }); });
    connect(grdEvent, &QTableView::doubleClicked, this, [this] { Guard([this] { grdEventCellDblClick(); }); });

    // Top to bottom: the four criteria bands, the search buttons, the list over the
    // detail pane (split), and the bottom bar.
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(0, 8, 0, 0);
    form->setSpacing(0);
    constexpr int labelWidth = 64;

    QHBoxLayout* dateBand = NewBand(this, form, QStringLiteral("pnlDate"), 40);
    dateBand->addWidget(NewLabel(this, QStringLiteral("lblDate"), QStringLiteral("日付"), edtFromYear, labelWidth));
    const auto addDate = [&](QLineEdit* year, QLineEdit* month, QLineEdit* day, const QString& prefix) {
        dateBand->addWidget(year);
        dateBand->addWidget(NewLabel(this, prefix + QStringLiteral("Year"), QStringLiteral("年"), year));
        dateBand->addWidget(month);
        dateBand->addWidget(NewLabel(this, prefix + QStringLiteral("Month"), QStringLiteral("月"), month));
        dateBand->addWidget(day);
        dateBand->addWidget(NewLabel(this, prefix + QStringLiteral("Day"), QStringLiteral("日"), day));
    };
    addDate(edtFromYear, edtFromMonth, edtFromDay, QStringLiteral("lblFrom"));
    dateBand->addSpacing(8);
    dateBand->addWidget(NewLabel(this, QStringLiteral("lblDateVia"), QStringLiteral("～"), nullptr));
    dateBand->addSpacing(8);
    addDate(edtToYear, edtToMonth, edtToDay, QStringLiteral("lblTo"));
    dateBand->addStretch(1);

    QHBoxLayout* titleBand = NewBand(this, form, QStringLiteral("pnlTitle"), 40);
    titleBand->addWidget(NewLabel(this, QStringLiteral("lblTitle"), QStringLiteral("タイトル"), edtTitle, labelWidth));
    titleBand->addWidget(edtTitle, 1);
    QHBoxLayout* categoryBand = NewBand(this, form, QStringLiteral("pnlCategory"), 40);
    categoryBand->addWidget(
        NewLabel(this, QStringLiteral("lblCategory"), QStringLiteral("カテゴリー"), cmbCategory, labelWidth));
    categoryBand->addWidget(cmbCategory, 1);
    QHBoxLayout* contentBand = NewBand(this, form, QStringLiteral("pnlContent"), 40);
    contentBand->addWidget(NewLabel(this, QStringLiteral("lblContent"), QStringLiteral("詳細"), edtContent, labelWidth));
    contentBand->addWidget(edtContent, 1);

    QHBoxLayout* searchMenu = NewBand(this, form, QStringLiteral("pnlSearchMenu"), 64);
    searchMenu->setSpacing(16);
    searchMenu->addStretch(1);
    searchMenu->addWidget(btnSearch);
    searchMenu->addWidget(btnClear);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(8);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(grdEvent);
    splitter->addWidget(memContent);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    splitter->setSizes({400, 80});
    auto* splitRow = new QHBoxLayout;
    splitRow->setContentsMargins(16, 0, 16, 0);
    splitRow->addWidget(splitter);
    form->addLayout(splitRow, 1);

    QHBoxLayout* menu = NewBand(this, form, QStringLiteral("pnlMenu"), 64);
    menu->setSpacing(16);
    menu->addStretch(1);
    for (QPushButton* button : {btnExport, btnEdit, btnDelete, btnClose}) menu->addWidget(button);

    QWidget* const tabOrder[] = {edtFromYear, edtFromMonth, edtFromDay, edtToYear, edtToMonth, edtToDay,
                                 edtTitle,    cmbCategory,  edtContent, btnSearch, btnClear,   grdEvent,
                                 memContent,  btnExport,    btnEdit,    btnDelete, btnClose};
    for (size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TfrmSearch::FormShow()
{
    FEventDateFormat = TSettings::GetEventDateFormat();
    ClearAll();
}

void TfrmSearch::FormClose()
{
    FEventModel->SetEvents(nullptr, FEventDateFormat);
    FEvents.clear();
    cmbCategory->clear();
    FCategories.clear();
}

void TfrmSearch::ClearAll()
{
    for (QLineEdit* edit : {edtFromYear, edtFromMonth, edtFromDay, edtToYear, edtToMonth, edtToDay, edtTitle})
        edit->clear();
    LoadCategories();
    edtContent->clear();
    // The last result goes too, so that an export after clearing writes what the
    // list shows: nothing.
    FEventModel->SetEvents(nullptr, FEventDateFormat);
    FEvents.clear();
    memContent->clear();
    UpdateButtons(-1);
    edtFromYear->setFocus();
}

void TfrmSearch::btnClearClick()
{
    ClearAll();
}

void TfrmSearch::LoadCategories()
{
    cmbCategory->clear();
    FCategories = TCategory::AllOrderBySortOrder();
    // Entry 0 stands for any category; entry i for category i - 1.
    cmbCategory->addItem(QString());
    for (const auto& category : FCategories) cmbCategory->addItem(category->Name());
    cmbCategory->setCurrentIndex(-1);
}

void TfrmSearch::btnSearchClick()
{
    TEventCondition condition;
    if (!ValidateDates(condition)) return;
    if (!edtTitle->text().isEmpty()) condition.Title = edtTitle->text();
    if (cmbCategory->currentIndex() > 0)
        condition.CategoryId = FCategories.at(size_t(cmbCategory->currentIndex() - 1))->Id();
    if (!edtContent->text().isEmpty()) condition.Content = edtContent->text();
    LoadEvents(condition);
    FCondition = condition;
    UpdateButtons(-1);
}

bool TfrmSearch::ValidateDates(TEventCondition& condition)
{
    // An end is given when any of its boxes holds text. Each box gets the focus before
    // it is read, so that a text which is no whole number (an empty one too) leaves
    // the focus on it when the conversion fails.
    const auto readEnd = [this](QLineEdit* year, QLineEdit* month, QLineEdit* day, int& date) {
        date = -1;
        if (year->text().isEmpty() && month->text().isEmpty() && day->text().isEmpty()) return true;
        int parts[3];
        QLineEdit* const boxes[] = {year, month, day};
        for (int i = 0; i < 3; ++i) {
            boxes[i]->setFocus();
            parts[i] = StrToInt(boxes[i]->text());
        }
        if (!IsValidDate(parts[0], parts[1], parts[2])) {
            Platform().ShowMessage(QStringLiteral("日付が正しくありません。"));
            year->setFocus();
            return false;
        }
        date = YmdToInt(parts[0], parts[1], parts[2]);
        return true;
    };
    int from, to;
    if (!readEnd(edtFromYear, edtFromMonth, edtFromDay, from)) return false;
    if (!readEnd(edtToYear, edtToMonth, edtToDay, to)) return false;
    if (to != -1 && to < from) {
        Platform().ShowMessage(QStringLiteral("日付の範囲が正しくありません。"));
        edtFromYear->setFocus();
        return false;
    }
    condition.FromDate = from;
    condition.ToDate = to;
    btnSearch->setFocus();
    return true;
}

void TfrmSearch::LoadEvents(const TEventCondition& condition)
{
    FEventModel->SetEvents(nullptr, FEventDateFormat);
    FEvents.clear();
    FEvents = TEvent::Select(condition);
    FEventModel->SetEvents(&FEvents, FEventDateFormat);
    SelectRow(-1);
}

void TfrmSearch::grdEventSelectCell(int row)
{
    ShowEventContent(row);
    UpdateButtons(row);
}

void TfrmSearch::grdEventCellDblClick()
{
    btnEditClick();
}

void TfrmSearch::ShowEventContent(int row)
{
    if (row >= 0) memContent->setPlainText(FEvents.at(size_t(row))->Content());
}

void TfrmSearch::UpdateButtons(int row)
{
    if (row == -1) row = SelectedRow();
    btnEdit->setEnabled(row >= 0);
    btnDelete->setEnabled(row >= 0);
}

int TfrmSearch::SelectedRow() const
{
    const QModelIndex current = grdEvent->selectionModel()->currentIndex();
    return current.isValid() && grdEvent->selectionModel()->isRowSelected(current.row()) ? current.row() : -1;
}

void TfrmSearch::SelectRow(int row, int column)
{
    if (row < 0) {
        grdEvent->selectionModel()->clear();
        return;
    }
    grdEvent->selectionModel()->setCurrentIndex(FEventModel->index(row, column),
                                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grdEvent->scrollTo(FEventModel->index(row, column));
}

void TfrmSearch::btnEditClick()
{
    const int row = SelectedRow();
    if (row < 0) return;
    FfrmEvent.SetFormMode(TFormMode::Edit);
    FfrmEvent.SetEventId(FEvents.at(size_t(row))->Id());
    if (Platform().ShowModal(FfrmEvent) == mrOk) RefreshEventRow(row);
}

void TfrmSearch::RefreshEventRow(int row)
{
    if (row == -1) return;
    auto event = TEvent::FindById(FEvents.at(size_t(row))->Id());
    // The category's name is looked up here, inside the command, not while painting.
    event->CategoryName();
    FEvents[size_t(row)] = std::move(event);
    FEventModel->RowChanged(row);
    ShowEventContent(row);
}

void TfrmSearch::btnDeleteClick()
{
    const int row = SelectedRow();
    if (row < 0) return;
    const TEvent& event = *FEvents.at(size_t(row));
    if (!Platform().Confirm(QStringLiteral("%1 を削除しますか？").arg(event.Title()))) return;
    const int column = std::max(grdEvent->currentIndex().column(), 0);
    TEvent::DeleteById(event.Id());
    // Re-read with the last search's criteria, so that other changes show too.
    LoadEvents(FCondition);
    SelectRow(std::min(row, int(FEvents.size()) - 1), column);
    UpdateButtons(-1);
    Platform().ShowMessage(QStringLiteral("削除しました。"));
}

void TfrmSearch::btnExportClick()
{
    const auto fileName = Platform().SaveFileName(
        {QString(), QStringLiteral("CSV|*.csv|ALL|*.*"), QStringLiteral("csv"), false});
    if (!fileName) return;
    if (QFileInfo::exists(*fileName) &&
        !Platform().Confirm(QStringLiteral("ファイルが存在します。上書きしても良いですか？")))
        return;
    ExportCsv(*fileName);
    Platform().ShowMessage(QString::number(FEvents.size()) + QStringLiteral("件のデータをエクスポートしました。"));
}

void TfrmSearch::ExportCsv(const QString& fileName)
{
    ExportCsvFile(fileName, FEvents);
}

void TfrmSearch::btnCloseClick()
{
    Close(mrCancel);
}
