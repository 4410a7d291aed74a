#include "FMain.h"

#include "FCategory.h"
#include "FEvent.h"
#include "FImport.h"
#include "FSearch.h"
#include "MSettings.h"
#include "UCalendar.h"
#include "UDataFolder.h"
#include "UDatePattern.h"
#include "UEventListModel.h"
#include "UMeasure.h"

#include <QAction>
#include <QActionGroup>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The image list: index to picture, as the actions name them.
const char* const ImageNames[] = {"Category", "AddEvent",  "Yesterday",   "Today",       "Tomorrow",
                                  "Reload",   "SortAsc",   "SortDesc",    "EditEvent",   "DeleteEvent",
                                  "ImportEvent", "SearchEvent", "Close"};

QIcon ImageListIcon(int index)
{
    return QIcon(QStringLiteral(":/icons/main/%1.svg").arg(QLatin1String(ImageNames[index])));
}

} // namespace

TfrmMain::TfrmMain(TPlatform& platform, QWidget* parent) : QMainWindow(parent), FPlatform(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Marlune"));
    CreateActions();
    CreateControls();
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    if (FModel) FModel->SetEvents(nullptr, FEventDateFormat);
    if (DbConnection() == &FDbMain) SetDbConnection(nullptr);
}

QAction* TfrmMain::NewAction(const char* name, const QString& text, const QString& hint, const QString& category,
                             int image, void (TfrmMain::*handler)())
{
    auto* action = new QAction(ImageListIcon(image), text, this);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setProperty("category", category);
    connect(action, &QAction::triggered, this, [this, handler] { FPlatform.Guard([&] { (this->*handler)(); }); });
    return action;
}

void TfrmMain::CreateActions()
{
    const QString event = QStringLiteral("イベント");
    actAddEvent = NewAction("actAddEvent", QStringLiteral("イベントの追加(&A)..."), QStringLiteral("イベントを追加します"),
                            event, 1, &TfrmMain::actAddEventExecute);
    actEditEvent = NewAction("actEditEvent", QStringLiteral("イベントの編集(&E)..."),
                             QStringLiteral("イベントを編集します"), event, 8, &TfrmMain::actEditEventExecute);
    actDeleteEvent = NewAction("actDeleteEvent", QStringLiteral("イベントの削除(&D)"),
                               QStringLiteral("イベントを削除します"), event, 9, &TfrmMain::actDeleteEventExecute);
    actSearch = NewAction("actSearch", QStringLiteral("イベントの検索(&S)..."), QStringLiteral("イベントを検索します"),
                          event, 11, &TfrmMain::actSearchExecute);
    actImportEvent = NewAction("actImportEvent", QStringLiteral("イベントのインポート(&I)..."),
                               QStringLiteral("イベントをインポート(取り込み)します"), event, 10,
                               &TfrmMain::actImportEventExecute);
    actCategory = NewAction("actCategory", QStringLiteral("カテゴリーの編集(&C)..."),
                            QStringLiteral("カテゴリーの編集をします"), event, 0, &TfrmMain::actCategoryExecute);
    actGoPreviousday = NewAction("actGoPreviousday", QStringLiteral("前日へ移動(&B)"), QStringLiteral("前日に移動します"),
                                 event, 2, &TfrmMain::actGoPreviousdayExecute);
    actGoToday = NewAction("actGoToday", QStringLiteral("今日へ移動(&T)"), QStringLiteral("今日へ移動します"), event, 3,
                           &TfrmMain::actGoTodayExecute);
    actGoNextDay = NewAction("actGoNextDay", QStringLiteral("翌日へ移動(&F)"), QStringLiteral("翌日へ移動します"), event,
                             4, &TfrmMain::actGoNextDayExecute);
    actReload = NewAction("actReload", QStringLiteral("再読み込み(&R)"), QStringLiteral("イベントを再読み込みします"),
                          event, 5, &TfrmMain::actReloadExecute);
    actSortAsc = NewAction("actSortAsc", QStringLiteral("昇順"), QStringLiteral("イベントを日付の昇順で表示します"),
                           event, 6, &TfrmMain::actSortAscExecute);
    actSortDesc = NewAction("actSortDesc", QStringLiteral("降順"), QStringLiteral("イベントを日付の降順で表示します"),
                            event, 7, &TfrmMain::actSortDescExecute);
    actExit = NewAction("actExit", QStringLiteral("終了(&X)"), QStringLiteral("アプリケーションを終了します"),
                        QStringLiteral("ファイル"), 12, &TfrmMain::actExitExecute);

    actGoPreviousday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    actGoToday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    actGoNextDay->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    actReload->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    // The two orders form one group in which exactly one is checked.
    FSortGroup = new QActionGroup(this);
    FSortGroup->setObjectName(QStringLiteral("grpSortOrder"));
    FSortGroup->setExclusive(true);
    for (QAction* sort : {actSortAsc, actSortDesc}) {
        sort->setCheckable(true);
        FSortGroup->addAction(sort);
    }
}

void TfrmMain::CreateControls()
{
    auto* mnuMain = menuBar();
    mnuMain->setObjectName(QStringLiteral("mnuMain"));
    QMenu* mnuFile = mnuMain->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(actExit);
    QMenu* mnuEvent = mnuMain->addMenu(QStringLiteral("イベント(&E)"));
    mnuEvent->setObjectName(QStringLiteral("mnuEvent"));
    mnuEvent->addActions({actAddEvent, actEditEvent, actDeleteEvent, actSearch, actImportEvent, actCategory});
    mnuEvent->addSeparator();
    mnuEvent->addActions({actGoPreviousday, actGoToday, actGoNextDay});
    mnuEvent->addSeparator();
    mnuEvent->addAction(actReload);
    mnuEvent->addSeparator();
    mnuEvent->addActions({actSortAsc, actSortDesc});

    tlbMain = addToolBar(QStringLiteral("tlbMain"));
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setIconSize(QSize(24, 24));
    tlbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tlbMain->setContextMenuPolicy(Qt::PreventContextMenu);
    tlbMain->setContentsMargins(0, 0, 0, 0);
    tlbMain->layout()->setSpacing(0);
    const auto addButton = [this](QAction* action, const char* name) {
        tlbMain->addAction(action);
        QWidget* button = tlbMain->widgetForAction(action);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(32, 32);
    };
    addButton(actAddEvent, "btnAddEvent");
    addButton(actEditEvent, "btnEditEvent");
    addButton(actDeleteEvent, "btnDeleteEvent");
    addButton(actSearch, "btnSearchEvent");
    addButton(actImportEvent, "btnImport");
    addButton(actCategory, "btnGroup");
    auto* gap = new QWidget(tlbMain);
    gap->setFixedWidth(8);
    tlbMain->addWidget(gap);
    addButton(actGoPreviousday, "btnPreviousDay");
    addButton(actGoToday, "btnToday");
    addButton(actGoNextDay, "btnNextDay");
    lblDate = new QLabel(tlbMain);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    QFont dateFont = lblDate->font();
    dateFont.setPixelSize(20);
    lblDate->setFont(dateFont);
    lblDate->setWordWrap(false);
    lblDate->setContentsMargins(8, 0, 8, 0);
    tlbMain->addWidget(lblDate);
    addButton(actReload, "btnReload");
    addButton(actSortAsc, "btnSortAsc");
    addButton(actSortDesc, "btnSortDesc");

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlClient"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->setSpacing(0);

    auto* Panel1 = new QWidget(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(8, 8, 8, 8);
    calDate = new QCalendarWidget(Panel1);
    calDate->setObjectName(QStringLiteral("calDate"));
    calDate->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    calDate->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calDate->setGridVisible(false);
    calDate->setFixedSize(calDate->sizeHint().expandedTo(QSize(180, 160)));
    panelLayout->addWidget(calDate, 0, Qt::AlignLeft | Qt::AlignTop);
    Panel1->setFixedHeight(qMax(177, calDate->height() + 16));
    layout->addWidget(Panel1);

    FModel = new TEventListModel(this);
    grdEvent = new QTableView(central);
    grdEvent->setObjectName(QStringLiteral("grdEvent"));
    grdEvent->setModel(FModel);
    grdEvent->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdEvent->setSelectionMode(QAbstractItemView::SingleSelection);
    grdEvent->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdEvent->setTabKeyNavigation(true);
    grdEvent->setShowGrid(true);
    grdEvent->setWordWrap(false);
    grdEvent->verticalHeader()->hide();
    grdEvent->verticalHeader()->setDefaultSectionSize(grdEvent->fontMetrics().height() + 8);
    grdEvent->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grdEvent->horizontalHeader()->setStretchLastSection(false);
    grdEvent->horizontalHeader()->setHighlightSections(false);
    grdEvent->setAlternatingRowColors(true);

    memContent = new QPlainTextEdit(central);
    memContent->setObjectName(QStringLiteral("memContent"));
    memContent->setReadOnly(true);
    memContent->setFocusPolicy(Qt::ClickFocus); // not a Tab stop
    memContent->setMinimumHeight(20);

    splContent = new QSplitter(Qt::Vertical, central);
    splContent->setObjectName(QStringLiteral("splContent"));
    splContent->setHandleWidth(8);
    splContent->setChildrenCollapsible(false);
    splContent->addWidget(grdEvent);
    splContent->addWidget(memContent);
    splContent->setStretchFactor(0, 1);
    splContent->setStretchFactor(1, 0);
    splContent->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(splContent, 1);
    setCentralWidget(central);

    // The list is rebuilt only when the calendar moves to another day.
    connect(calDate, &QCalendarWidget::selectionChanged, this, [this] {
        if (calDate->selectedDate() != FShownDate) FPlatform.Guard([this] { calDateChange(); });
    });
    connect(grdEvent->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid()) FSelectedColumn = current.column();
    });
    connect(grdEvent->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) FPlatform.Guard([&] { grdEventSelectCell(current.row()); });
            });
    connect(grdEvent, &QTableView::doubleClicked, this,
            [this] { FPlatform.Guard([this] { grdEventCellDblClick(); }); });
}

void TfrmMain::FormCreate()
{
    FEvents.reset();

    // The data folder and the database.
    const QString dataFolder = DataFolderOf(HomePath());
    FDbMain.SetParam(QStringLiteral("DataBase"), DatabaseFileOf(dataFolder));
    ForceDirectories(dataFolder);
    FDbMain.Connect();
    SetDbConnection(&FDbMain);
    CreateSchema(FDbMain);

    // The stored settings, the list order and today's list.
    FEventDateFormat = TSettings::GetEventDateFormat();
    FTargetDateFormat = TSettings::GetTargetDateFormat();
    const int contentHeight = TSettings::GetContentHeight();
    const int height = TSettings::GetFormMainHeight();
    const int width = TSettings::GetFormMainWidth();
    resize(width, height);
    splContent->setSizes({qMax(0, height - contentHeight), contentHeight});
    grdEvent->setColumnWidth(TEventListModel::colDate, TSettings::GetEventDateWidth());
    grdEvent->setColumnWidth(TEventListModel::colCategory, TSettings::GetEventCategoryWidth());
    grdEvent->setColumnWidth(TEventListModel::colTitle, TSettings::GetEventTitleWidth());
    memContent->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ApplySortOrder(TSettings::GetEventSortOrder());

    {
        const QSignalBlocker quiet(calDate); // the first day is loaded below, not by the change signal
        calDate->setSelectedDate(FPlatform.Today());
    }
    calDateChange();
}

void TfrmMain::FormClose()
{
    FModel->SetEvents(nullptr, FEventDateFormat);
    FEvents.reset();
    TSettings::SetContentHeight(RoundHalfEven(memContent->height()));
    TSettings::SetFormMainHeight(height());
    TSettings::SetFormMainWidth(width());
    TSettings::SetApplicationVersion(QStringLiteral("1.1.1"));
    TSettings::SetEventDateWidth(RoundHalfEven(grdEvent->columnWidth(TEventListModel::colDate)));
    TSettings::SetEventCategoryWidth(RoundHalfEven(grdEvent->columnWidth(TEventListModel::colCategory)));
    TSettings::SetEventTitleWidth(RoundHalfEven(grdEvent->columnWidth(TEventListModel::colTitle)));
    TSettings::SetEventSortOrder(actSortAsc->isChecked() ? TSortOrder::Asc : TSortOrder::Desc);
    FDbMain.Disconnect();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!FClosed) {
        FClosed = true;
        // One guard for every closing step: a failure skips the rest and is shown
        // in a plain message box; the window closes all the same.
        try {
            FormClose();
        } catch (const std::exception& failure) {
            FPlatform.ShowMessage(FailureText(failure));
        } catch (...) {
            FPlatform.ShowMessage(QStringLiteral("予期しないエラーが発生しました。"));
        }
    }
    event->accept();
}

void TfrmMain::calDateChange()
{
    FShownDate = calDate->selectedDate();
    lblDate->setText(FormatDatePattern(FTargetDateFormat, FShownDate));
    LoadEvents(FShownDate);
}

void TfrmMain::LoadEvents(const QDate& date)
{
    const int mmdd = date.month() * 100 + date.day();
    memContent->clear();
    const TSortOrder sortOrder = actSortAsc->isChecked() ? TSortOrder::Asc : TSortOrder::Desc;
    FModel->SetEvents(nullptr, FEventDateFormat);
    FEvents.reset();
    FEvents = std::make_unique<TEventList>(TEvent::SelectByMmdd(mmdd, sortOrder, IsLeapYear(date.year())));
    FModel->SetEvents(FEvents.get(), FEventDateFormat);
    SelectRow(-1);
    UpdateEditActions(false);
}

void TfrmMain::RefreshEvents()
{
    int row = SelectedRow();
    LoadEvents(calDate->selectedDate());
    const int last = FModel->rowCount() - 1;
    if (row >= last) row = last;
    SelectRow(row);
    ShowEventContent(row);
    UpdateEditActions(false);
}

int TfrmMain::SelectedRow() const
{
    const QModelIndex current = grdEvent->selectionModel()->currentIndex();
    if (!current.isValid() || !grdEvent->selectionModel()->isRowSelected(current.row(), QModelIndex())) return -1;
    return current.row();
}

void TfrmMain::SelectRow(int row)
{
    QItemSelectionModel* selection = grdEvent->selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    selection->setCurrentIndex(FModel->index(row, FSelectedColumn),
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TfrmMain::ShowEventContent(int row)
{
    if (row < 0) return;
    if (const TEvent* event = FModel->EventAt(row)) memContent->setPlainText(event->Content());
}

void TfrmMain::UpdateEditActions(bool forceEnable)
{
    const bool enabled = forceEnable || SelectedRow() >= 0;
    actEditEvent->setEnabled(enabled);
    actDeleteEvent->setEnabled(enabled);
}

void TfrmMain::grdEventSelectCell(int row)
{
    ShowEventContent(row);
    UpdateEditActions(true);
}

void TfrmMain::ApplySortOrder(TSortOrder sortOrder)
{
    (sortOrder == TSortOrder::Asc ? actSortAsc : actSortDesc)->setChecked(true);
}

void TfrmMain::MoveDays(int days)
{
    calDate->setSelectedDate(calDate->selectedDate().addDays(days));
}

void TfrmMain::actAddEventExecute()
{
    FDialogs.Event->SetFormMode(TFormMode::Add);
    if (FPlatform.ShowModal(*FDialogs.Event) == mrOk) RefreshEvents();
}

void TfrmMain::actEditEventExecute()
{
    const int row = SelectedRow();
    if (row < 0) return;
    FDialogs.Event->SetFormMode(TFormMode::Edit);
    FDialogs.Event->SetEventId(FModel->EventAt(row)->Id());
    if (FPlatform.ShowModal(*FDialogs.Event) == mrOk) RefreshEvents();
}

void TfrmMain::actDeleteEventExecute()
{
    const int row = SelectedRow();
    if (row < 0) return;
    const TEvent& event = *FModel->EventAt(row);
    if (!FPlatform.Confirm(QStringLiteral("%1 を削除しますか？").arg(event.Title()))) return;
    TEvent::DeleteById(event.Id());
    RefreshEvents();
    FPlatform.ShowMessage(QStringLiteral("削除しました。"));
}

void TfrmMain::actSearchExecute()
{
    FPlatform.ShowModal(*FDialogs.Search);
    RefreshEvents();
}

void TfrmMain::actImportEventExecute()
{
    FPlatform.ShowModal(*FDialogs.Import);
    RefreshEvents();
}

void TfrmMain::actCategoryExecute()
{
    FPlatform.ShowModal(*FDialogs.Category);
    RefreshEvents();
}

void TfrmMain::actGoPreviousdayExecute()
{
    MoveDays(-1);
}

void TfrmMain::actGoTodayExecute()
{
    calDate->setSelectedDate(FPlatform.Today());
}

void TfrmMain::actGoNextDayExecute()
{
    MoveDays(1);
}

void TfrmMain::actReloadExecute()
{
    LoadEvents(calDate->selectedDate());
}

void TfrmMain::actSortAscExecute()
{
    ApplySortOrder(TSortOrder::Asc);
    LoadEvents(calDate->selectedDate());
}

void TfrmMain::actSortDescExecute()
{
    ApplySortOrder(TSortOrder::Desc);
    LoadEvents(calDate->selectedDate());
}

void TfrmMain::actExitExecute()
{
    close();
}

void TfrmMain::grdEventCellDblClick()
{
    actEditEventExecute();
}
