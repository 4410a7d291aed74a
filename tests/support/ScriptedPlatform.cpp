#include "ScriptedPlatform.h"

#include <QWidget>
#include <gtest/gtest.h>

const char* KindName(TScriptedPlatform::TKind kind)
{
    switch (kind) {
    case TScriptedPlatform::TKind::Message: return "message";
    case TScriptedPlatform::TKind::Confirm: return "confirmation";
    case TScriptedPlatform::TKind::Prompt: return "prompt";
    case TScriptedPlatform::TKind::OpenFile: return "file-open dialog";
    case TScriptedPlatform::TKind::SaveFile: return "file-save dialog";
    case TScriptedPlatform::TKind::Error: return "error box";
    case TScriptedPlatform::TKind::Modal: return "modal dialog";
    case TScriptedPlatform::TKind::Modeless: return "modeless window";
    }
    return "?";
}

TScriptedPlatform::~TScriptedPlatform()
{
    VerifyAllUsed();
}

TScriptedPlatform& TScriptedPlatform::ExpectMessage(const QString& text)
{
    FQueue.push_back({TKind::Message, text});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectError(const QString& text)
{
    FQueue.push_back({TKind::Error, text});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectConfirm(const QString& text, bool yes)
{
    FQueue.push_back({TKind::Confirm, text, yes});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectPrompt(const QString& caption, std::optional<QString> answer)
{
    FQueue.push_back({TKind::Prompt, caption, false, std::move(answer)});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectOpenFile(std::optional<QString> file)
{
    FQueue.push_back({TKind::OpenFile, QString(), false, std::move(file)});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectSaveFile(std::optional<QString> file)
{
    FQueue.push_back({TKind::SaveFile, QString(), false, std::move(file)});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectModal(const QString& formName, TScript script)
{
    FQueue.push_back({TKind::Modal, formName, false, std::nullopt, std::move(script)});
    return *this;
}

TScriptedPlatform& TScriptedPlatform::ExpectModeless(const QString& windowName)
{
    FQueue.push_back({TKind::Modeless, windowName});
    return *this;
}

void TScriptedPlatform::VerifyAllUsed()
{
    for (const auto& e : FQueue)
        ADD_FAILURE() << "expected a " << KindName(e.Kind) << " \"" << e.Text.toStdString() << "\" that was never shown";
    FQueue.clear();
}

std::vector<QString> TScriptedPlatform::BoxTexts() const
{
    std::vector<QString> texts;
    for (const auto& s : FShown) {
        if (s.Kind == TKind::Message || s.Kind == TKind::Error || s.Kind == TKind::Confirm) texts.push_back(s.Text);
    }
    return texts;
}

std::optional<TScriptedPlatform::TExpectation> TScriptedPlatform::Take(TKind kind, const QString& text)
{
    if (FQueue.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": \"" << text.toStdString() << "\"";
        return std::nullopt;
    }
    TExpectation e = std::move(FQueue.front());
    FQueue.pop_front();
    if (e.Kind != kind) {
        ADD_FAILURE() << "expected a " << KindName(e.Kind) << " \"" << e.Text.toStdString() << "\" but a "
                      << KindName(kind) << " \"" << text.toStdString() << "\" was shown";
        return std::nullopt;
    }
    if (!e.Text.isEmpty() && e.Text != text) {
        ADD_FAILURE() << KindName(kind) << " text: expected \"" << e.Text.toStdString() << "\", shown \""
                      << text.toStdString() << "\"";
    }
    return e;
}

void TScriptedPlatform::ShowMessage(const QString& text)
{
    FShown.push_back({TKind::Message, text, {}});
    Take(TKind::Message, text);
}

bool TScriptedPlatform::Confirm(const QString& text)
{
    FShown.push_back({TKind::Confirm, text, {}});
    const auto e = Take(TKind::Confirm, text);
    return e && e->Yes;
}

bool TScriptedPlatform::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    FShown.push_back({TKind::Prompt, caption, prompt + u'|' + value});
    const auto e = Take(TKind::Prompt, caption);
    if (!e || !e->Answer) return false;
    value = *e->Answer;
    return true;
}

std::optional<QString> TScriptedPlatform::OpenFileName(const TFileDialogOptions& options)
{
    FShown.push_back({TKind::OpenFile, options.Title, options.Filter});
    const auto e = Take(TKind::OpenFile, options.Title);
    return e ? e->Answer : std::nullopt;
}

std::optional<QString> TScriptedPlatform::SaveFileName(const TFileDialogOptions& options)
{
    FShown.push_back({TKind::SaveFile, options.Title, options.Filter});
    const auto e = Take(TKind::SaveFile, options.Title);
    return e ? e->Answer : std::nullopt;
}

void TScriptedPlatform::ShowError(const QString& text)
{
    FShown.push_back({TKind::Error, text, {}});
    Take(TKind::Error, text);
}

int TScriptedPlatform::ShowModal(TForm& form)
{
    FShown.push_back({TKind::Modal, form.objectName(), {}});
    // Take the expectation before showing: the showing itself may show boxes.
    auto e = Take(TKind::Modal, form.objectName());
    if (!form.BeginModal()) return form.result();
    if (e && e->Script) e->Script(form);
    if (form.isVisible()) {
        ADD_FAILURE() << "the script left the dialog " << form.objectName().toStdString() << " open";
        form.done(mrCancel);
    }
    return form.result();
}

void TScriptedPlatform::ShowModeless(QWidget& window)
{
    FShown.push_back({TKind::Modeless, window.objectName(), {}});
    Take(TKind::Modeless, window.objectName());
    window.show();
}
