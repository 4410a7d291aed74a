#include "DialogDriver.h"

#include "FCategoryItems.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTest>

namespace {

template <class TEditor> void Overwrite(TEditor& editor, const QString& text)
{
    editor.setFocus();
    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Delete);
    bool latin1 = true;
    for (const QChar c : text) latin1 = latin1 && c.unicode() < 0x80;
    if (latin1) {
        QTest::keyClicks(&editor, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&editor, &commit);
    }
}

} // namespace

void TypeInto(QLineEdit& edit, const QString& text)
{
    Overwrite(edit, text);
}

void TypeInto(QPlainTextEdit& memo, const QString& text)
{
    Overwrite(memo, text);
}

void Choose(QComboBox& combo, int index)
{
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(&combo, Qt::Key_Down);
    if (combo.currentIndex() != index) throw std::logic_error("could not choose entry " + std::to_string(index));
}

void Click(QWidget& button)
{
    if (!button.isVisible() || !button.isEnabled())
        throw std::logic_error("button " + button.objectName().toStdString() + " cannot be clicked");
    QTest::mouseClick(&button, Qt::LeftButton);
}

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
