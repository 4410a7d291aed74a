#include "ImportDialogFixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <ostream>

void PrintTo(const TShownError& error, std::ostream* out)
{
    *out << error.Location.toStdString() << " " << error.Message.toStdString();
}

ImportDialogTest::ImportDialogTest() = default;

void ImportDialogTest::RunDialog(const std::function<void()>& script)
{
    platform.ExpectModal(QStringLiteral("frmImport"), [&](TForm&) {
        script();
        if (frmImport.isVisible()) Button("btnClose")->click();
    });
    platform.ShowModal(frmImport);
}

QString ImportDialogTest::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = db.Folder() + u'/' + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

void TypeText(QWidget* widget, const QString& text)
{
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

void CommitEditor(QWidget* editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    // The list writes the cell from the event loop.
    QCoreApplication::processEvents();
}

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void ImportDialogTest::OpenFile(const QString& path)
{
    platform.ExpectOpenFile(path);
    Button("btnOpenFile")->click();
}

QLineEdit* ImportDialogTest::OpenEditor(int row, int column)
{
    const QModelIndex cell = grdEvents()->model()->index(row, column);
    grdEvents()->setCurrentIndex(cell);
    grdEvents()->edit(cell);
    // Editors closed before are hidden until they are deleted.
    for (auto* editor : grdEvents()->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return nullptr;
}

void ImportDialogTest::EditCell(int row, int column, const QString& text)
{
    QLineEdit* editor = OpenEditor(row, column);
    ASSERT_NE(editor, nullptr) << "no editor for cell " << row << "," << column;
    editor->selectAll();
    if (text.isEmpty()) QTest::keyClick(editor, Qt::Key_Delete);
    else TypeText(editor, text);
    CommitEditor(editor);
}

void ImportDialogTest::SelectCategory(int index)
{
    cmbCategory()->setCurrentIndex(index);
}

QTableView* ImportDialogTest::grdEvents() const
{
    return frmImport.findChild<QTableView*>(QStringLiteral("grdEvents"));
}

QTableView* ImportDialogTest::grdError() const
{
    return frmImport.findChild<QTableView*>(QStringLiteral("grdError"));
}

QPlainTextEdit* ImportDialogTest::memContent() const
{
    return frmImport.findChild<QPlainTextEdit*>(QStringLiteral("memContent"));
}

QComboBox* ImportDialogTest::cmbCategory() const
{
    return frmImport.findChild<QComboBox*>(QStringLiteral("cmbCategory"));
}

QPushButton* ImportDialogTest::Button(const char* name) const
{
    auto* button = frmImport.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

std::vector<QStringList> ImportDialogTest::Rows() const
{
    std::vector<QStringList> rows;
    const QAbstractItemModel* model = grdEvents()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
        rows.push_back(cells);
    }
    return rows;
}

std::vector<TShownError> ImportDialogTest::Errors() const
{
    std::vector<TShownError> errors;
    const QAbstractItemModel* model = grdError()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        errors.push_back({model->index(r, 0).data().toString(), model->index(r, 1).data().toString()});
    return errors;
}
