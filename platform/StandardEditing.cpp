#include "platform/StandardEditing.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QString>

namespace {
QLineEdit *focusedField() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }
}  // namespace

void bindStandardEditing(QAction *item, const QString &itemName) {
    if (!item) return;
    QObject::connect(item, &QAction::triggered, item, [itemName] {
        QLineEdit *field = focusedField();
        if (!field) return;
        if (itemName == QLatin1String("EditUndo"))
            field->undo();
        else if (itemName == QLatin1String("EditCut"))
            field->cut();
        else if (itemName == QLatin1String("EditCopy"))
            field->copy();
        else if (itemName == QLatin1String("EditPaste"))
            field->paste();
        else if (itemName == QLatin1String("EditClear"))
            field->del();
        else if (itemName == QLatin1String("EditSelectAll"))
            field->selectAll();
    });
    // Enable the item when its menu opens, as far as the focused field allows.
    auto *menu = qobject_cast<QMenu *>(item->parent());
    if (!menu) return;
    QObject::connect(menu, &QMenu::aboutToShow, item, [item, itemName] {
        QLineEdit *field = focusedField();
        bool enabled = field != nullptr;
        if (field) {
            const bool selection = field->hasSelectedText();
            if (itemName == QLatin1String("EditUndo"))
                enabled = field->isUndoAvailable();
            else if (itemName == QLatin1String("EditCut") || itemName == QLatin1String("EditClear"))
                enabled = selection && !field->isReadOnly();
            else if (itemName == QLatin1String("EditCopy"))
                enabled = selection;
            else if (itemName == QLatin1String("EditPaste"))
                enabled = !field->isReadOnly();
        }
        item->setEnabled(enabled);
    });
}
