#pragma once
// Driving the editing dialogs as a user does: typing into the edits, choosing
// in the combos, clicking buttons and the pictures of the category list.
#include "FCategory.h"
#include "FCategoryItems.h"
#include "FEvent.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <ostream>
#include <stdexcept>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The child of that objectName; a missing control ends the test with an
// exception.
template <class T> T& Find(const QWidget& form, const QString& name)
{
    T* child = form.findChild<T*>(name);
    if (!child) throw std::logic_error("no control " + name.toStdString());
    return *child;
}

// Replaces the edit's text by typing: the old text is selected and overwritten.
// Text outside Latin-1 arrives as an input method commit, as a Japanese IME
// sends it.
void TypeInto(QLineEdit& edit, const QString& text);
void TypeInto(QPlainTextEdit& memo, const QString& text);
// Chooses the entry at index with the keyboard.
void Choose(QComboBox& combo, int index);
void Click(QWidget& button);

// The category list: the rows' names, the selected row (-1 for none), the names
// of the enabled buttons among btnEdit, btnDelete, btnUp, btnDown, and a click
// on one object of a row.
QStringList CategoryNames(const QWidget& form);
int SelectedCategoryRow(const QWidget& form);
QString EnabledCategoryButtons(const QWidget& form);
void ClickCategoryObject(const QWidget& form, int row, TCategoryItemObject object);

// The widgets that Tab visits from first, in order, by objectName.
QStringList TabChain(QWidget& first);

// A test database, the scripted platform and one instance of each dialog.
class DialogTest : public DatabaseTest {
protected:
    // Shows the dialog modally through the platform, driven by script.
    // whileShowing queues the boxes and dialogs that the showing itself brings
    // up.
    int RunCategoryManager(const TScriptedPlatform::TScript& script, const std::function<void()>& whileShowing = {});
    int RunEventEditor(const TScriptedPlatform::TScript& script, const std::function<void()>& whileShowing = {});
    // The category manager opened from the event editor, running script.
    void ExpectCategoryManager(const TScriptedPlatform::TScript& script);

    int EventCount() { return db.ScalarInt("SELECT COUNT(*) FROM events;"); }

    TScriptedPlatform platform;
    TfrmCategory frmCategory{platform};
    TfrmEvent frmEvent{platform, frmCategory};
};
