#pragma once
// The search dialog: finds events across all days by a date range, a part of the
// title, a category and a part of the detail text; edits (through the event editor)
// or deletes a listed event; writes the result to a CSV file.
#include "MCategory.h"
#include "MEvent.h"
#include "UForm.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TEventListModel;
class TfrmEvent;

class TfrmSearch : public TForm {
    Q_OBJECT
public:
    TfrmSearch(TPlatform& platform, TfrmEvent& frmEvent, QWidget* parent = nullptr);

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void btnSearchClick();
    void btnClearClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnExportClick();
    void btnCloseClick();
    void grdEventSelectCell(int row);
    void grdEventCellDblClick();

    void ClearAll();
    void LoadCategories();
    // Checks the two ends of the date range; true when the search may run, with the
    // given ends set as the condition's FromDate and ToDate.
    bool ValidateDates(TEventCondition& condition);
    static int YmdToInt(int year, int month, int day) { return year * 10000 + month * 100 + day; }
    void LoadEvents(const TEventCondition& condition);
    void ShowEventContent(int row);
    // row -1 stands for the selected row.
    void UpdateButtons(int row);
    void RefreshEventRow(int row);
    void ExportCsv(const QString& fileName);

    // The selected row of the list, -1 for none.
    int SelectedRow() const;
    // Selects that row (none for -1), keeping the column.
    void SelectRow(int row, int column = 0);

    TfrmEvent& FfrmEvent;
    TEventCondition FCondition;
    TEventList FEvents;
    QString FEventDateFormat;
    TCategoryList FCategories;

    QLineEdit* edtFromYear;
    QLineEdit* edtFromMonth;
    QLineEdit* edtFromDay;
    QLineEdit* edtToYear;
    QLineEdit* edtToMonth;
    QLineEdit* edtToDay;
    QLineEdit* edtTitle;
    QComboBox* cmbCategory;
    QLineEdit* edtContent;
    QPushButton* btnSearch;
    QPushButton* btnClear;
    QTableView* grdEvent;
    TEventListModel* FEventModel;
    QPlainTextEdit* memContent;
    QPushButton* btnExport;
    QPushButton* btnEdit;
    QPushButton* btnDelete;
    QPushButton* btnClose;
};
