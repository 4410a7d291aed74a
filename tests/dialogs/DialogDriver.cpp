#include "DialogDriver.h"

#include "FCategoryItems.h"

#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

QStringList CategoryNames(const QWidget& form)
{
    const auto& list = Find<QListView>(form, QStringLiteral("lsvCategory"));
    QStringList names;
    for (int row = 0; row < list.model()->rowCount(); ++row) names << list.model()->index(row, 0).data().toString();
    return names;
}

int SelectedCategoryRow(const QWidget& form)
{
    const auto& list = Find<QListView>(form, QStringLiteral("lsvCategory"));
    const QModelIndexList selected = list.selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QString EnabledCategoryButtons(const QWidget& form)
{
    QStringList enabled;
    for (const char* name : {"btnEdit", "btnDelete", "btnUp", "btnDown"}) {
        if (Find<QWidget>(form, QString::fromLatin1(name)).isEnabled()) enabled << QString::fromLatin1(name);
    }
    return enabled.join(u' ');
}

void ClickCategoryObject(const QWidget& form, int row, TCategoryItemObject object)
{
    auto& list = Find<QListView>(form, QStringLiteral("lsvCategory"));
    const QRect rowRect = list.visualRect(list.model()->index(row, 0));
    const auto* delegate = static_cast<const TCategoryItemDelegate*>(list.itemDelegate());
    QPoint at;
    switch (object) {
    case TCategoryItemObject::Edit: at = TCategoryItemDelegate::EditRect(rowRect).center(); break;
    case TCategoryItemObject::Delete: at = TCategoryItemDelegate::DeleteRect(rowRect).center(); break;
    case TCategoryItemObject::Name: at = delegate->NameRect(rowRect).topLeft() + QPoint(4, rowRect.height() / 2); break;
    case TCategoryItemObject::None: at = TCategoryItemDelegate::EditRect(rowRect).center() + QPoint(18, 0); break;
    }
    if (delegate->HitTest(rowRect, at) != object) throw std::logic_error("the click misses the object");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
}

QStringList TabChain(QWidget& first)
{
    QStringList names;
    QWidget* widget = &first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled())
            names << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget && widget != &first);
    return names;
}

int DialogTest::RunCategoryManager(const TScriptedPlatform::TScript& script, const std::function<void()>& whileShowing)
{
    platform.ExpectModal(QStringLiteral("frmCategory"), script);
    if (whileShowing) whileShowing();
    return platform.ShowModal(frmCategory);
}

int DialogTest::RunEventEditor(const TScriptedPlatform::TScript& script, const std::function<void()>& whileShowing)
{
    platform.ExpectModal(QStringLiteral("frmEvent"), script);
    if (whileShowing) whileShowing();
    return platform.ShowModal(frmEvent);
}

void DialogTest::ExpectCategoryManager(const TScriptedPlatform::TScript& script)
{
    platform.ExpectModal(QStringLiteral("frmCategory"), script);
}
