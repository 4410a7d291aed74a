#include "UserInput.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <string>

namespace {

template <class TEditor> void Overwrite(TEditor& editor, const QString& text)
{
    editor.setFocus();
    QTest::keyClick(&editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Delete);
    bool ascii = true;
    for (const QChar c : text) ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        QTest::keyClicks(&editor, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(&editor, &commit);
    }
}

} // namespace

void TypeInto(QLineEdit& edit, const QString& text)
{
    Overwrite(edit, text);
}

void TypeInto(QPlainTextEdit& memo, const QString& text)
{
    Overwrite(memo, text);
}

void Choose(QComboBox& combo, int index)
{
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(&combo, Qt::Key_Down);
    if (combo.currentIndex() != index) throw std::logic_error("could not choose entry " + std::to_string(index));
}

void Click(QWidget& button)
{
    if (!button.isVisible() || !button.isEnabled())
        throw std::logic_error("button " + button.objectName().toStdString() + " cannot be clicked");
    QTest::mouseClick(&button, Qt::LeftButton);
}
