#include "UDialogControls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

QIcon DialogPicture(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/dialogs/") + name + QStringLiteral(".svg"));
}

QPushButton* NewButton(QWidget* parent, const QString& name, QSize size, const QString& text, const QIcon& picture,
                       const QString& hint)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFixedSize(size);
    button->setIcon(picture);
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    if (!text.isEmpty()) button->setFixedWidth(std::max(size.width(), button->sizeHint().width()));
    return button;
}

QPushButton* NewActionButton(QWidget* parent, const QString& name, QSize size, QAction* action, bool withText)
{
    QPushButton* button =
        NewButton(parent, name, size, withText ? action->text() : QString(), action->icon(), action->toolTip());
    if (!withText) button->setIconSize(QSize(20, 20));
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    return button;
}

QLineEdit* NewEdit(QWidget* parent, const QString& name, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (width > 0) {
        edit->setFixedWidth(width);
        edit->setTextMargins(0, 0, 0, 0);
    }
    return edit;
}

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, QWidget* buddy, int width)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    if (width > 0) label->setFixedWidth(width);
    return label;
}
