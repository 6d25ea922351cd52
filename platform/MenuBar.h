#pragma once

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

// A menu bar: named menus holding named items. One menu bar can serve several
// windows; each shows the same menus. "Cmd" shortcuts of the layouts are
// written "Ctrl" here.
class MenuBar : public QObject {
    Q_OBJECT
public:
    MenuBar();
    ~MenuBar() override;

    // Appends a menu (name, text) to the bar.
    QMenu *AppendMenu(const QString &name, const QString &text);
    // Looks a menu up by name (the framework's MenuItem.Child); null when none.
    QMenu *Child(const QString &menuName) const;
    // Appends an item to a menu; text "-" is a separator. Returns the item.
    QAction *AppendItem(QMenu *menu, const QString &name, const QString &text,
                        const QKeySequence &shortcut = QKeySequence());
    // The item of that name in any menu; null when none.
    QAction *Item(const QString &name) const;

    QList<QMenu *> menus() const { return menus_; }
    // Items with a shortcut, for windows that show no menu bar.
    QList<QAction *> shortcutActions() const;

private:
    QList<QMenu *> menus_;
};
