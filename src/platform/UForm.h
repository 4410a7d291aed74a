#pragma once
// Base of the program's dialogs: a modal result of 1 (OK) or 2 (Cancel), the
// showing and closing hooks, and handlers that run inside the command guard.
#include "UPlatform.h"

#include <QDialog>
#include <functional>
#include <optional>

class TForm : public QDialog {
    Q_OBJECT
public:
    TForm(TPlatform& platform, QWidget* parent);

    TPlatform& Platform() const { return FPlatform; }

    // Closes the dialog with that modal result. While the dialog is being shown the
    // close happens as soon as the showing has finished.
    void Close(int modalResult);

    // Shows the dialog for a modal run, running FormShow. False when the dialog
    // closed itself while showing; its result is then already set.
    bool BeginModal();

    // Runs command inside the command guard.
    void Guard(const std::function<void()>& command) { FPlatform.Guard(command); }

    void done(int modalResult) override;
    void reject() override; // the title bar's close box and Esc: Cancel

protected:
    // Runs each time the dialog is shown; fills it from the database.
    virtual void FormShow() {}
    // Runs when the dialog closes; frees what the showing read.
    virtual void FormClose() {}

    void showEvent(QShowEvent* event) override;

private:
    TPlatform& FPlatform;
    bool FShowing = false;
    std::optional<int> FPendingClose;
};
