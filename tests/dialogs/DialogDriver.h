#pragma once
// Driving the editing dialogs: the category list and its pictures, and one
// instance of each dialog on a test database.
#include "FCategory.h"
#include "FCategoryItems.h"
#include "FEvent.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"
#include "UserInput.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

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
