#pragma once
// The import help window: explains, in Japanese, how an import works and the form
// of the CSV file. Shown without waiting, beside the import dialog.
#include "UForm.h"

class QPlainTextEdit;
class QPushButton;

class TfrmImportHelp : public TForm {
    Q_OBJECT
public:
    explicit TfrmImportHelp(TPlatform& platform, QWidget* parent = nullptr);

    // The help text, one entry per line.
    static QStringList HelpLines();

private:
    void FormCreate();
    void btnCloseClick();

    QPlainTextEdit* memHelp;
    QPushButton* btnClose;
};
