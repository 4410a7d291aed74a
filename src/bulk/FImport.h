#pragma once
// The import dialog: reads a CSV file into an editable list, checks the date and
// title of every row, lists and paints every problem, lets the user correct cells
// or delete rows, and stores all rows as new events of one category in one
// transaction.
#include "MCategory.h"
#include "UForm.h"

#include <QString>

class QComboBox;
class QLabel;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;
class TfrmCategory;
class TfrmImportHelp;
class TImportErrorList;
class TImportTable;

class TfrmImport : public TForm {
    Q_OBJECT
public:
    TfrmImport(TPlatform& platform, TfrmCategory& frmCategory, TfrmImportHelp& frmImportHelp,
               QWidget* parent = nullptr);
    ~TfrmImport() override;

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnOpenFileClick();
    void btnDeleteRowClick();
    void btnImportClick();
    void btnCloseClick();
    void btnHelpClick();
    void btnCategoryClick();
    void cmbCategoryChange();
    void grdEventsEditingDone(int column, int row);
    void grdEventsCurrentRowChange(int row);
    void grdErrorSelectCell(int row);

    void InitControls();
    void LoadCategories();
    void UpdateButtons();
    void ValidateAll();
    void ValidateCell(int row, int column, const QString& text);
    // Shows the detail text of that row in memContent (none for -1).
    void ShowContent(int row);
    // Writes what the user typed in memContent to the row it shows.
    void WriteContent();
    // The current row of the list, or -1.
    int CurrentRow() const;
    void SelectCell(int row, int column);

    TfrmCategory& FfrmCategory;
    TfrmImportHelp& FfrmImportHelp;
    TCategoryList FCategories;
    TImportTable* FTable;
    TImportErrorList* FErrors;
    int FContentRow = -1;
    // The program is changing the error list (not the user choosing an entry).
    bool FChangingErrors = false;

    QPushButton* btnOpenFile;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* btnDeleteRow;
    QSplitter* splMiddle;
    QTableView* grdEvents;
    QPlainTextEdit* memContent;
    QTableView* grdError;
    QLabel* Label1;
    QComboBox* cmbCategory;
    QPushButton* btnCategory;
    QPushButton* btnHelp;
    QPushButton* btnImport;
    QPushButton* btnClose;
};
