#include "UForm.h"

#include <QShowEvent>

TForm::TForm(TPlatform& platform, QWidget* parent) : QDialog(parent), FPlatform(platform)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
}

void TForm::Close(int modalResult)
{
    if (FShowing) {
        FPendingClose = modalResult;
        return;
    }
    done(modalResult);
}

bool TForm::BeginModal()
{
    FPendingClose.reset();
    setResult(mrNone);
    setWindowModality(Qt::ApplicationModal);
    show();
    if (FPendingClose) {
        const int result = *FPendingClose;
        FPendingClose.reset();
        done(result);
        return false;
    }
    return true;
}

void TForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    FShowing = true;
    Guard([this] { FormShow(); });
    FShowing = false;
}

void TForm::done(int modalResult)
{
    Guard([this] { FormClose(); });
    QDialog::done(modalResult);
}

void TForm::reject()
{
    done(mrCancel);
}
