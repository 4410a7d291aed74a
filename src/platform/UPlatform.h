#pragma once
// The services that the windows ask of the desktop: message boxes, the text prompt,
// file dialogs, modal showing, the clock, and the command guard. Windows never call
// QMessageBox, QInputDialog or QFileDialog themselves; they go through a TPlatform,
// which is the Qt one in the program and a scripted one in the tests.
#include <QDate>
#include <QString>

#include <exception>
#include <functional>
#include <optional>

class QWidget;
class TForm;

// Modal results of the program's own dialogs.
enum TModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };

struct TFileDialogOptions {
    QString Title;
    QString Filter;     // pairs of caption and pattern: "CSV|*.csv|ALL|*.*"
    QString DefaultExt; // added to a file name typed without an extension
    bool FileMustExist = false;
};

class TPlatform {
public:
    virtual ~TPlatform() = default;

    // The information box: the text and one OK button.
    virtual void ShowMessage(const QString& text) = 0;
    // The confirmation box with Yes and No, Yes the default; true for Yes.
    virtual bool Confirm(const QString& text) = 0;
    // The text prompt: a window title, one labelled field starting with value.
    // Gives true for OK, with the field's text in value.
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // The file dialogs; nothing when the user cancels.
    virtual std::optional<QString> OpenFileName(const TFileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFileName(const TFileDialogOptions& options) = 0;
    // The application's error box, which reports a failed command.
    virtual void ShowError(const QString& text) = 0;

    // Shows one of the program's dialogs modally; gives its modal result.
    virtual int ShowModal(TForm& form) = 0;
    // Shows a window without waiting for it.
    virtual void ShowModeless(QWidget& window) = 0;

    // Today on the local clock.
    virtual QDate Today() = 0;

    // Runs one user command. A failure ends the command and is shown in the error
    // box; nothing escapes into the event loop.
    void Guard(const std::function<void()>& command) noexcept;
};

// The message text of a failure, as the user sees it.
QString FailureText(const std::exception& failure);

// "CSV|*.csv|ALL|*.*" in Qt's form: "CSV (*.csv);;ALL (*.*)".
QString QtFileFilter(const QString& filter);
