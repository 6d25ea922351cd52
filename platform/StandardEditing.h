#pragma once

class QAction;
class QString;

// Binds a menu item to the standard editing of the focused text field:
// "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear" and
// "EditSelectAll". The item is enabled only where it can act.
void bindStandardEditing(QAction *item, const QString &itemName);
