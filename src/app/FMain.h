#pragma once
// The main window: the day view (calendar, date label, the day's events, the
// selected event's detail) and the program's commands.
#include "MDataBaseCommon.h"
#include "MEvent.h"
#include "UPlatform.h"
#include "UTypes.h"

#include <QDate>
#include <QMainWindow>
#include <memory>

class QAction;
class QActionGroup;
class QCalendarWidget;
class QLabel;
class QPlainTextEdit;
class QSplitter;
class QTableView;
class QToolBar;
class TEventListModel;
class TfrmCategory;
class TfrmEvent;
class TfrmImport;
class TfrmSearch;

// The dialogs that the main window's commands show.
struct TMainDialogs {
    TfrmCategory* Category = nullptr;
    TfrmEvent* Event = nullptr;
    TfrmImport* Import = nullptr;
    TfrmSearch* Search = nullptr;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs FormCreate: makes the data folder, opens the
    // database and fills the day view. A failure passes to the caller.
    explicit TfrmMain(TPlatform& platform, QWidget* parent = nullptr);
    ~TfrmMain() override;

    void SetDialogs(const TMainDialogs& dialogs) { FDialogs = dialogs; }
    TDbConnection& dbMain() { return FDbMain; }

    // The day view.
    void LoadEvents(const QDate& date);
    void RefreshEvents();
    void ShowEventContent(int row);
    void UpdateEditActions(bool forceEnable);
    void ApplySortOrder(TSortOrder sortOrder);
    void MoveDays(int days);
    // The selected row of the list, -1 when none.
    int SelectedRow() const;
    const TEventList* Events() const { return FEvents.get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateControls();
    void FormCreate();
    void FormClose();
    void SelectRow(int row);
    QAction* NewAction(const char* name, const QString& text, const QString& hint, const QString& category,
                       int image, void (TfrmMain::*handler)());

    void calDateChange();
    void grdEventSelectCell(int row);
    void grdEventCellDblClick();
    void actAddEventExecute();
    void actEditEventExecute();
    void actDeleteEventExecute();
    void actSearchExecute();
    void actImportEventExecute();
    void actCategoryExecute();
    void actGoPreviousdayExecute();
    void actGoTodayExecute();
    void actGoNextDayExecute();
    void actReloadExecute();
    void actSortAscExecute();
    void actSortDescExecute();
    void actExitExecute();

    TPlatform& FPlatform;
    TDbConnection FDbMain;
    TMainDialogs FDialogs;
    std::unique_ptr<TEventList> FEvents;
    QString FEventDateFormat;
    QString FTargetDateFormat;
    QDate FShownDate;
    int FSelectedColumn = 0; // the list's selected column, kept across loads
    bool FClosed = false;

    QAction* actAddEvent = nullptr;
    QAction* actEditEvent = nullptr;
    QAction* actDeleteEvent = nullptr;
    QAction* actSearch = nullptr;
    QAction* actImportEvent = nullptr;
    QAction* actCategory = nullptr;
    QAction* actGoPreviousday = nullptr;
    QAction* actGoToday = nullptr;
    QAction* actGoNextDay = nullptr;
    QAction* actReload = nullptr;
    QAction* actSortAsc = nullptr;
    QAction* actSortDesc = nullptr;
    QAction* actExit = nullptr;
    QActionGroup* FSortGroup = nullptr;

    QToolBar* tlbMain = nullptr;
    QLabel* lblDate = nullptr;
    QCalendarWidget* calDate = nullptr;
    QTableView* grdEvent = nullptr;
    TEventListModel* FModel = nullptr;
    QSplitter* splContent = nullptr;
    QPlainTextEdit* memContent = nullptr;
};
