#pragma once
// The event editor: enters a new event (Add mode) or changes a stored one (Edit
// mode), checks the input and stores it. Closes with 1 after storing, else 2.
#include "MCategory.h"
#include "UForm.h"
#include "UTypes.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TEvent;
class TfrmCategory;

class TfrmEvent : public TForm {
    Q_OBJECT
public:
    TfrmEvent(TPlatform& platform, TfrmCategory& frmCategory, QWidget* parent = nullptr);

    TFormMode FormMode() const { return FFormMode; }
    void SetFormMode(TFormMode mode) { FFormMode = mode; }
    int EventId() const { return FEventId; }
    void SetEventId(int id) { FEventId = id; }

protected:
    void FormShow() override;
    void FormClose() override;

private:
    void btnAddClick();
    void btnUpdateClick();
    void btnCloseClick();
    void btnCategoryClick();
    void edtMonthChange();
    void edtDayChange();

    void InitControls();
    void LoadCategories();
    // The combo entry of that category, -1 when it has none.
    int CategoryIndexOf(int categoryId) const;
    void UpdateNonLeapYearProcEnabled();
    bool ValidateInput();
    void AssignToEvent(TEvent& event) const;
    // Fails the check: shows text and moves the focus to control.
    bool Refuse(const QString& text, QWidget* control);

    TfrmCategory& FfrmCategory;
    TCategoryList FCategories;
    TFormMode FFormMode = TFormMode::Add;
    int FEventId = 0;
    // The memo shows every line break as "\n". The edited event's detail text as
    // stored and as the memo showed it: a detail left as shown is stored unchanged.
    QString FStoredContent;
    QString FShownContent;

    QLineEdit* edtYear;
    QLineEdit* edtMonth;
    QLineEdit* edtDay;
    QComboBox* cmbNonLeapYearProc;
    QLineEdit* edtTitle;
    QComboBox* cmbCategory;
    QToolButton* btnCategory;
    QPlainTextEdit* memContent;
    QPushButton* btnAdd;
    QPushButton* btnUpdate;
    QPushButton* btnClose;
};
