#pragma once
// The import dialog with a test database, the scripted platform and the real
// category manager and help window; helpers that drive it through its controls.
#include "FCategory.h"
#include "FImport.h"
#include "FImportHelp.h"
#include "ScriptedPlatform.h"
#include "TestDatabase.h"

#include <QByteArray>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

// One error entry as the error list shows it.
struct TShownError {
    QString Location, Message;
    bool operator==(const TShownError&) const = default;
};
void PrintTo(const TShownError& error, std::ostream* out);

// Types text into a widget as one key press that carries it (any characters).
void TypeText(QWidget* widget, const QString& text);
// Presses Enter in a cell editor of a list and lets the list write the cell.
void CommitEditor(QWidget* editor);
void PrintTo(const QString& text, std::ostream* out);

class ImportDialogTest : public DatabaseTest {
protected:
    ImportDialogTest();

    // Shows the import dialog modally, runs script inside it, then closes it.
    void RunDialog(const std::function<void()>& script);

    // A file of the test's temp folder holding bytes; its path.
    QString WriteFile(const QString& name, const QByteArray& bytes);
    // Queues the file-open dialog's answer and clicks the open button.
    void OpenFile(const QString& path);
    // Makes the cell current and starts its editor; the editor, or nothing.
    QLineEdit* OpenEditor(int row, int column);
    // Edits a cell of the list as the user does: starts the editor, replaces its text, Enter.
    void EditCell(int row, int column, const QString& text);
    void SelectCategory(int index);

    QTableView* grdEvents() const;
    QTableView* grdError() const;
    QPlainTextEdit* memContent() const;
    QComboBox* cmbCategory() const;
    QPushButton* Button(const char* name) const;

    // The texts of the list, row by row, all four columns.
    std::vector<QStringList> Rows() const;
    std::vector<TShownError> Errors() const;

    TScriptedPlatform platform;
    TfrmCategory frmCategory{platform};
    TfrmImportHelp frmImportHelp{platform};
    TfrmImport frmImport{platform, frmCategory, frmImportHelp};
};
