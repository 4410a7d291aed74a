#pragma once
// The platform layer of the window tests. Every box and dialog that the code shows
// is recorded and answered by the next expectation in the queue; a box that no
// expectation was queued for, or of another kind, fails the test. A modal dialog is
// shown for real (on the offscreen platform) and driven by the expectation's script,
// which must close it; scripts may in turn drive nested modal dialogs.
#include "UForm.h"
#include "UPlatform.h"

#include <QDate>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

class TScriptedPlatform : public TPlatform {
public:
    enum class TKind { Message, Confirm, Prompt, OpenFile, SaveFile, Error, Modal, Modeless };

    // One box or dialog as the code showed it.
    struct TShown {
        TKind Kind;
        QString Text;    // message text, prompt caption, file dialog title, or the form's objectName
        QString Detail;  // prompt label and initial text ("label|initial"), file dialog filter
    };

    using TScript = std::function<void(TForm&)>;

    ~TScriptedPlatform() override;

    // Expectations, answered in the order queued. An empty expected text matches any text.
    TScriptedPlatform& ExpectMessage(const QString& text);
    TScriptedPlatform& ExpectError(const QString& text);
    TScriptedPlatform& ExpectConfirm(const QString& text, bool yes);
    // answer: the text typed and OK, or nothing for Cancel.
    TScriptedPlatform& ExpectPrompt(const QString& caption, std::optional<QString> answer);
    TScriptedPlatform& ExpectOpenFile(std::optional<QString> file);
    TScriptedPlatform& ExpectSaveFile(std::optional<QString> file);
    // The dialog of that objectName is shown modally and driven by script.
    TScriptedPlatform& ExpectModal(const QString& formName, TScript script);
    TScriptedPlatform& ExpectModeless(const QString& windowName);

    // Fails the test for every expectation not used yet, and forgets them.
    void VerifyAllUsed();
    bool AllUsed() const { return FQueue.empty(); }

    // What was shown, in order.
    const std::vector<TShown>& Shown() const { return FShown; }
    // The texts of the boxes shown (messages, errors, confirmations), in order.
    std::vector<QString> BoxTexts() const;
    void ClearShown() { FShown.clear(); }

    void SetToday(const QDate& today) { FToday = today; }

    void ShowMessage(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;
    void ShowError(const QString& text) override;
    int ShowModal(TForm& form) override;
    void ShowModeless(QWidget& window) override;
    QDate Today() override { return FToday; }

private:
    struct TExpectation {
        TKind Kind;
        QString Text;
        bool Yes = false;
        std::optional<QString> Answer;
        TScript Script;
    };
    // The next expectation, which must be of that kind; nothing when it is not.
    std::optional<TExpectation> Take(TKind kind, const QString& text);

    std::deque<TExpectation> FQueue;
    std::vector<TShown> FShown;
    QDate FToday{2024, 4, 6};
};

const char* KindName(TScriptedPlatform::TKind kind);
