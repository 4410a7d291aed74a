#include "FEvent.h"

#include "FCategory.h"
#include "MEvent.h"
#include "UCalendar.h"
#include "UDialogControls.h"
#include "UWholeNumber.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

TfrmEvent::TfrmEvent(TPlatform& platform, TfrmCategory& frmCategory, QWidget* parent)
    : TForm(platform, parent), FfrmCategory(frmCategory)
{
    setObjectName(QStringLiteral("frmEvent"));
    setWindowTitle(QStringLiteral("イベント"));
    resize(640, 480);

    edtYear = NewEdit(this, QStringLiteral("edtYear"), 40);
    edtMonth = NewEdit(this, QStringLiteral("edtMonth"), 24);
    edtDay = NewEdit(this, QStringLiteral("edtDay"), 24);
    cmbNonLeapYearProc = new QComboBox(this);
    cmbNonLeapYearProc->setObjectName(QStringLiteral("cmbNonLeapYearProc"));
    // The item index is the rule's ordinal.
    cmbNonLeapYearProc->addItems(
        {QStringLiteral("スキップする"), QStringLiteral("2月28日に表示する"), QStringLiteral("3月1日に表示する")});
    edtTitle = NewEdit(this, QStringLiteral("edtTitle"));
    cmbCategory = new QComboBox(this);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    btnCategory = new QToolButton(this);
    btnCategory->setObjectName(QStringLiteral("btnCategory"));
    btnCategory->setFixedSize(24, 24);
    btnCategory->setIcon(DialogPicture(QStringLiteral("Group")));
    btnCategory->setIconSize(QSize(18, 18));
    btnCategory->setToolTip(QStringLiteral("カテゴリーの編集をします"));
    btnCategory->setFocusPolicy(Qt::NoFocus);
    memContent = new QPlainTextEdit(this);
    memContent->setObjectName(QStringLiteral("memContent"));
    memContent->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memContent->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memContent->setTabChangesFocus(true);

    const QSize buttonSize(80, 32);
    btnAdd = NewButton(this, QStringLiteral("btnAdd"), buttonSize, QStringLiteral("追加(&A)"),
                       DialogPicture(QStringLiteral("Add")), QStringLiteral("イベントを追加します"));
    btnUpdate = NewButton(this, QStringLiteral("btnUpdate"), buttonSize, QStringLiteral("更新(&U)"),
                          DialogPicture(QStringLiteral("Update")), QStringLiteral("イベントを更新します"));
    btnClose = NewButton(this, QStringLiteral("btnClose"), buttonSize, QStringLiteral("閉じる(&C)"),
                         DialogPicture(QStringLiteral("Close")), QStringLiteral("ダイアログを閉じます"));

    connect(edtMonth, &QLineEdit::textChanged, this, [this] { Guard([this] { edtMonthChange(); }); });
    connect(edtDay, &QLineEdit::textChanged, this, [this] { Guard([this] { edtDayChange(); }); });
    connect(btnAdd, &QPushButton::clicked, this, [this] { Guard([this] { btnAddClick(); }); });
    connect(btnUpdate, &QPushButton::clicked, this, [this] { Guard([this] { btnUpdateClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { Guard([this] { btnCloseClick(); }); });
    connect(btnCategory, &QToolButton::clicked, this, [this] { Guard([this] { btnCategoryClick(); }); });

    // Top to bottom: the date row with the leap-year rule, the title, the
    // category band, the detail filling the rest, and the bottom bar of 56.
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(16, 16, 16, 0);
    form->setSpacing(4);

    auto* dateRow = new QHBoxLayout;
    dateRow->setSpacing(4);
    dateRow->addWidget(edtYear);
    dateRow->addWidget(NewLabel(this, QStringLiteral("lblYear"), QStringLiteral("年"), edtYear));
    dateRow->addSpacing(8);
    dateRow->addWidget(edtMonth);
    dateRow->addWidget(NewLabel(this, QStringLiteral("lblMonth"), QStringLiteral("月"), edtMonth));
    dateRow->addSpacing(8);
    dateRow->addWidget(edtDay);
    dateRow->addWidget(NewLabel(this, QStringLiteral("lblDay"), QStringLiteral("日"), edtDay));
    dateRow->addSpacing(24);
    dateRow->addWidget(
        NewLabel(this, QStringLiteral("lblNonLeapYearProc"), QStringLiteral("うるう年以外の場合"), cmbNonLeapYearProc));
    dateRow->addWidget(cmbNonLeapYearProc, 1);
    form->addLayout(dateRow);

    form->addSpacing(8);
    form->addWidget(NewLabel(this, QStringLiteral("lblTitle"), QStringLiteral("タイトル"), edtTitle));
    form->addWidget(edtTitle);

    form->addSpacing(8);
    form->addWidget(NewLabel(this, QStringLiteral("lblCategory"), QStringLiteral("カテゴリー"), cmbCategory));
    auto* categoryBand = new QHBoxLayout;
    categoryBand->setSpacing(4);
    categoryBand->addWidget(cmbCategory, 1);
    categoryBand->addWidget(btnCategory);
    form->addLayout(categoryBand);

    form->addSpacing(8);
    form->addWidget(NewLabel(this, QStringLiteral("lblContent"), QStringLiteral("詳細"), memContent));
    form->addWidget(memContent, 1);

    auto* bottomBar = new QHBoxLayout;
    bottomBar->setContentsMargins(0, 8, 0, 16);
    bottomBar->setSpacing(8);
    bottomBar->addStretch(1);
    bottomBar->addWidget(btnAdd);
    bottomBar->addWidget(btnUpdate);
    bottomBar->addWidget(btnClose);
    form->addLayout(bottomBar);

    QWidget* const tabOrder[] = {edtYear,     edtMonth,   edtDay, cmbNonLeapYearProc, edtTitle,
                                 cmbCategory, memContent, btnAdd, btnUpdate,          btnClose};
    for (size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TfrmEvent::FormShow()
{
    try {
        InitControls();
    } catch (...) {
        // The event to edit is gone (or the database failed): no update may be made
        // from the half-filled form, so the dialog closes once the showing is done.
        Close(mrCancel);
        throw;
    }
    if (cmbCategory->count() == 0) {
        Platform().ShowMessage(QStringLiteral("先にカテゴリーを作成してください。"));
        Platform().ShowModal(FfrmCategory);
        LoadCategories();
    }
}

void TfrmEvent::FormClose()
{
    cmbCategory->clear();
    FCategories.clear();
}

void TfrmEvent::InitControls()
{
    LoadCategories();
    edtTitle->clear();
    memContent->clear();
    FStoredContent.clear();
    FShownContent.clear();
    btnAdd->hide();
    btnUpdate->hide();
    cmbNonLeapYearProc->setCurrentIndex(0);

    const auto showDate = [this](int year, int month, int day) {
        edtYear->setText(QString::number(year));
        edtMonth->setText(QString::number(month));
        edtDay->setText(QString::number(day));
    };
    if (FFormMode == TFormMode::Add) {
        btnAdd->show();
        const QDate today = Platform().Today();
        showDate(today.year(), today.month(), today.day());
    } else {
        const auto event = TEvent::FindById(FEventId);
        btnUpdate->show();
        cmbCategory->setCurrentIndex(CategoryIndexOf(event->CategoryId()));
        showDate(event->Year(), event->Month(), event->Day());
        cmbNonLeapYearProc->setCurrentIndex(static_cast<int>(event->NonLeapYearProc()));
        edtTitle->setText(event->Title());
        memContent->setPlainText(event->Content());
        FStoredContent = event->Content();
        FShownContent = memContent->toPlainText();
    }
    edtYear->setFocus();
}

void TfrmEvent::LoadCategories()
{
    FCategories = TCategory::AllOrderBySortOrder();
    cmbCategory->clear();
    for (const auto& category : FCategories) cmbCategory->addItem(category->Name());
    cmbCategory->setCurrentIndex(-1);
}

void TfrmEvent::edtMonthChange()
{
    UpdateNonLeapYearProcEnabled();
}

void TfrmEvent::edtDayChange()
{
    UpdateNonLeapYearProcEnabled();
}

void TfrmEvent::UpdateNonLeapYearProcEnabled()
{
    cmbNonLeapYearProc->setEnabled(false);
    if (edtMonth->text().isEmpty() || edtDay->text().isEmpty()) return;
    // Texts that are no whole numbers leave the rule disabled, without a message.
    const auto month = TryStrToInt(edtMonth->text());
    const auto day = TryStrToInt(edtDay->text());
    if (month && day && *month == 2 && *day == 29) cmbNonLeapYearProc->setEnabled(true);
}

bool TfrmEvent::Refuse(const QString& text, QWidget* control)
{
    Platform().ShowMessage(text);
    control->setFocus();
    return false;
}

bool TfrmEvent::ValidateInput()
{
    // Each edit gets the focus before its text is read, so that a text which is
    // no whole number leaves the focus on it when the conversion fails.
    edtYear->setFocus();
    const int year = StrToInt(edtYear->text());
    edtMonth->setFocus();
    const int month = StrToInt(edtMonth->text());
    edtDay->setFocus();
    const int day = StrToInt(edtDay->text());

    if (year < 1) return Refuse(QStringLiteral("年は1以上にしてください。"), edtYear);
    if (!IsValidDate(year, month, day)) return Refuse(QStringLiteral("日付が正しくありません。"), edtYear);
    if (month == 2 && day == 29 && cmbNonLeapYearProc->currentIndex() < 0)
        return Refuse(QStringLiteral("うるう年以外の場合の処理を選択してください。"), cmbNonLeapYearProc);
    if (edtTitle->text().isEmpty()) return Refuse(QStringLiteral("タイトルを入力してください。"), edtTitle);
    if (cmbCategory->currentIndex() < 0) return Refuse(QStringLiteral("カテゴリーを選択してください。"), cmbCategory);
    return true;
}

void TfrmEvent::AssignToEvent(TEvent& event) const
{
    event.SetTitle(edtTitle->text());
    const QString content = memContent->toPlainText();
    event.SetContent(content == FShownContent ? FStoredContent : content);
    event.SetCategoryId(FCategories.at(static_cast<size_t>(cmbCategory->currentIndex()))->Id());
    event.SetYmd(StrToInt(edtYear->text()), StrToInt(edtMonth->text()), StrToInt(edtDay->text()));
    // A disabled rule keeps what the event holds: Skip for a new event, the
    // stored rule for an edited one.
    if (cmbNonLeapYearProc->isEnabled())
        event.SetNonLeapYearProc(TEvent::IntToNonLeapYearProc(cmbNonLeapYearProc->currentIndex()));
    event.SetNoticeDays(0);
}

void TfrmEvent::btnAddClick()
{
    if (!ValidateInput()) return;
    TEvent event;
    AssignToEvent(event);
    event.Save();
    Platform().ShowMessage(QStringLiteral("追加しました。"));
    Close(mrOk);
}

void TfrmEvent::btnUpdateClick()
{
    if (!ValidateInput()) return;
    const auto event = TEvent::FindById(FEventId);
    AssignToEvent(*event);
    event->Update();
    Platform().ShowMessage(QStringLiteral("更新しました。"));
    Close(mrOk);
}

void TfrmEvent::btnCloseClick()
{
    Close(mrCancel);
}

void TfrmEvent::btnCategoryClick()
{
    const int index = cmbCategory->currentIndex();
    const int chosenId = index >= 0 ? FCategories.at(static_cast<size_t>(index))->Id() : -1;
    Platform().ShowModal(FfrmCategory);
    LoadCategories();
    if (cmbCategory->count() > 0) cmbCategory->setCurrentIndex(0);
    const int kept = CategoryIndexOf(chosenId);
    if (kept >= 0) cmbCategory->setCurrentIndex(kept);
}

int TfrmEvent::CategoryIndexOf(int categoryId) const
{
    for (size_t i = 0; i < FCategories.size(); ++i) {
        if (FCategories[i]->Id() == categoryId) return static_cast<int>(i);
    }
    return -1;
}
