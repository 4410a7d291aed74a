#pragma once
// What the editing dialogs build their controls from: the pictures, drawn at
// 48 x 48 ("Add", "Close", "Delete", "Down", "Edit", "Group", "Up", "Update"),
// and the buttons of their bottom bars.
#include <QIcon>
#include <QSize>
#include <QString>

class QAction;
class QPushButton;
class QWidget;

QIcon DialogPicture(const QString& name);

// A button of that objectName and size with its text, picture and hint.
QPushButton* NewButton(QWidget* parent, const QString& name, QSize size, const QString& text, const QIcon& picture,
                       const QString& hint);

// A button that shows the action's text (when withText), picture and hint and
// runs the action when clicked. Its enabled state is its own: the action stays
// enabled.
QPushButton* NewActionButton(QWidget* parent, const QString& name, QSize size, QAction* action, bool withText);
