#include "UQtPlatform.h"

#include "UForm.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace {

const QString Caption = QStringLiteral("Marlune");

QWidget* ActiveWindow()
{
    return QApplication::activeWindow();
}

QString RunFileDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

void PrepareFileDialog(QFileDialog& dialog, const TFileDialogOptions& options)
{
    dialog.setWindowTitle(options.Title);
    dialog.setNameFilter(QtFileFilter(options.Filter));
    if (!options.DefaultExt.isEmpty()) dialog.setDefaultSuffix(options.DefaultExt);
}

} // namespace

void TQtPlatform::ShowMessage(const QString& text)
{
    QMessageBox box(QMessageBox::Information, Caption, text, QMessageBox::Ok, ActiveWindow());
    box.exec();
}

bool TQtPlatform::Confirm(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Caption, text, QMessageBox::Yes | QMessageBox::No, ActiveWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool TQtPlatform::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    QInputDialog dialog(ActiveWindow());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.resize(420, dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.textValue();
    return true;
}

std::optional<QString> TQtPlatform::OpenFileName(const TFileDialogOptions& options)
{
    QFileDialog dialog(ActiveWindow());
    PrepareFileDialog(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(options.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QString file = RunFileDialog(dialog);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

std::optional<QString> TQtPlatform::SaveFileName(const TFileDialogOptions& options)
{
    QFileDialog dialog(ActiveWindow());
    PrepareFileDialog(dialog, options);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller asks about overwriting an existing file itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString file = RunFileDialog(dialog);
    if (file.isEmpty()) return std::nullopt;
    return file;
}

void TQtPlatform::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, Caption, text, QMessageBox::Ok, ActiveWindow());
    box.exec();
}

int TQtPlatform::ShowModal(TForm& form)
{
    if (!form.BeginModal()) return form.result();
    return form.exec();
}

void TQtPlatform::ShowModeless(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

QDate TQtPlatform::Today()
{
    return QDate::currentDate();
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        if (FPlatform) FPlatform->ShowError(FailureText(failure));
    } catch (...) {
        if (FPlatform) FPlatform->ShowError(QStringLiteral("予期しないエラーが発生しました。"));
    }
    return false;
}

void TApplication::LoadQtTranslation()
{
    auto* translator = new QTranslator(this); // owned by the application
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}
