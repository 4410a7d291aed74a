#pragma once
// The category manager: lists the categories in their order and adds, renames,
// deletes (with their events) and moves them. Every command writes at once.
#include "UForm.h"

#include <QPoint>

class QAction;
class QListView;
class QPushButton;
class TCategory;
class TCategoryItemDelegate;
class TCategoryItems;
enum class TCategoryItemObject;

class TfrmCategory : public TForm {
    Q_OBJECT
public:
    explicit TfrmCategory(TPlatform& platform, QWidget* parent = nullptr);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lsvCategoryChange();
    void lsvCategoryItemClickEx(int itemIndex, const QPoint& localClickPos, TCategoryItemObject itemObject);
    void lsvCategoryUpdateObjects();
    void actAddExecute();
    void actEditExecute();
    void actDeleteExecute();
    void actUpExecute();
    void actDownExecute();
    void actCloseExecute();

    void UpdateButtons();
    void AddCategoryItem(const TCategory& category);
    void SetCategoryItemData(int row, const TCategory& category);
    void SwapCategories(int from, int to);
    // The selected row, -1 when none.
    int SelectedRow() const;
    void SelectRow(int row);

    TCategoryItems* FItems;
    TCategoryItemDelegate* FDelegate;
    QPoint FLastClickPos;

    QListView* lsvCategory;
    QAction* actAdd;
    QAction* actEdit;
    QAction* actDelete;
    QAction* actUp;
    QAction* actDown;
    QAction* actClose;
    QPushButton* btnAdd;
    QPushButton* btnEdit;
    QPushButton* btnDelete;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QPushButton* btnClose;
};
