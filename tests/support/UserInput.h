#pragma once
// Driving windows as a user does: finding a control by its name, typing into the
// edits, choosing in the combos and clicking buttons.
#include <QString>
#include <QWidget>
#include <ostream>
#include <stdexcept>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The child of that objectName; a missing control ends the test with an exception.
template <class T> T& Find(const QWidget& form, const QString& name)
{
    T* child = form.findChild<T*>(name);
    if (!child) throw std::logic_error("no control " + name.toStdString());
    return *child;
}

// Replaces the edit's text by typing: the old text is selected and overwritten.
// Text outside ASCII arrives as an input method commit, as a Japanese IME sends it.
void TypeInto(QLineEdit& edit, const QString& text);
void TypeInto(QPlainTextEdit& memo, const QString& text);
// Chooses the entry at index with the keyboard.
void Choose(QComboBox& combo, int index);
// Clicks a visible, enabled button with the mouse.
void Click(QWidget& button);
