#pragma once
// The platform services as the Qt dialogs provide them.
#include "UPlatform.h"

#include <QApplication>

class TQtPlatform : public TPlatform {
public:
    void ShowMessage(const QString& text) override;
    bool Confirm(const QString& text) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;
    void ShowError(const QString& text) override;
    int ShowModal(TForm& form) override;
    void ShowModeless(QWidget& window) override;
    QDate Today() override;
};

// The application object. A failure that reaches the event loop despite the
// command guard is shown in the error box instead of ending the program.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    void SetPlatform(TPlatform* platform) { FPlatform = platform; }
    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's own translation for the user's locale (button texts and the like).
    void LoadQtTranslation();

private:
    TPlatform* FPlatform = nullptr;
};
