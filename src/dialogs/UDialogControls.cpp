#include "UDialogControls.h"

#include <QAction>
#include <QPushButton>

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
