#pragma once
// What the dialogs build their controls from: the editing dialogs' pictures, drawn
// at 48 x 48 ("Add", "Close", "Delete", "Down", "Edit", "Group", "Up", "Update"),
// buttons, one-line edits and labels.
#include <QIcon>
#include <QSize>
#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

QIcon DialogPicture(const QString& name);

// A button of that objectName and size with its text, picture and hint. A caption
// is never clipped: the button grows wider when its caption needs the room.
QPushButton* NewButton(QWidget* parent, const QString& name, QSize size, const QString& text, const QIcon& picture,
                       const QString& hint);

// A button that shows the action's text (when withText), picture and hint and
// runs the action when clicked. Its enabled state is its own: the action stays
// enabled.
QPushButton* NewActionButton(QWidget* parent, const QString& name, QSize size, QAction* action, bool withText);

// A one-line edit of that objectName; a width above 0 fixes its width and leaves no
// room around the text, for the short date edits.
QLineEdit* NewEdit(QWidget* parent, const QString& name, int width = 0);

// A label of that objectName and text whose access key moves to buddy; a width
// above 0 fixes its width.
QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy, int width = 0);
