#include "platform/MenuBar.h"

MenuBar::MenuBar() = default;

MenuBar::~MenuBar() { qDeleteAll(menus_); }

QMenu *MenuBar::AppendMenu(const QString &name, const QString &text) {
    auto *menu = new QMenu(text);
    menu->setObjectName(name);
    menus_.append(menu);
    return menu;
}

QMenu *MenuBar::Child(const QString &menuName) const {
    for (QMenu *menu : menus_)
        if (menu->objectName() == menuName) return menu;
    return nullptr;
}

QAction *MenuBar::AppendItem(QMenu *menu, const QString &name, const QString &text,
                             const QKeySequence &shortcut) {
    if (!menu) return nullptr;
    QAction *action = text == QLatin1String("-") ? menu->addSeparator() : menu->addAction(text);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        // The shortcut works in every window of the program that carries the bar.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    return action;
}

QAction *MenuBar::Item(const QString &name) const {
    for (QMenu *menu : menus_)
        for (QAction *action : menu->actions())
            if (action->objectName() == name) return action;
    return nullptr;
}

QList<QAction *> MenuBar::shortcutActions() const {
    QList<QAction *> result;
    for (QMenu *menu : menus_)
        for (QAction *action : menu->actions())
            if (!action->shortcut().isEmpty()) result.append(action);
    return result;
}
