#include "capture/MenuBar1.h"

#include "platform/StandardEditing.h"

MenuBar1 &MenuBar1::instance() {
    static MenuBar1 *bar = new MenuBar1;  // lives until the process ends
    return *bar;
}

MenuBar1::MenuBar1() {
    Untitled0();
    Untitled1();
}

void MenuBar1::Untitled0() {
    AppendMenu(QStringLiteral("FileMenu"), QStringLiteral("&Ablage"));
    QMenu *file = Child(QStringLiteral("FileMenu"));
    QAction *quit = AppendItem(file, QStringLiteral("FileQuit"), QStringLiteral("Beenden"),
                               QKeySequence(QStringLiteral("Ctrl+Q")));
    quit->setMenuRole(QAction::QuitRole);
    QAction *prefs =
        AppendItem(file, QStringLiteral("AblageEinstellungen"), QStringLiteral("Einstellungen"));
    prefs->setMenuRole(QAction::PreferencesRole);
}

void MenuBar1::Untitled1() {
    AppendMenu(QStringLiteral("EditMenu"), QStringLiteral("&Bearbeiten"));
    QMenu *edit = Child(QStringLiteral("EditMenu"));
    struct Entry {
        const char *name;
        const char *text;
        const char *shortcut;
    };
    const Entry entries[] = {
        {"EditUndo", "&Rückgängig", "Ctrl+Z"},
        {"UntitledMenu1", "-", ""},
        {"EditCut", "&Ausschneiden", "Ctrl+X"},
        {"EditCopy", "&Kopieren", "Ctrl+C"},
        {"EditPaste", "&Einfügen", "Ctrl+V"},
        {"EditClear", "&Löschen", ""},
        {"UntitledMenu0", "-", ""},
        {"EditSelectAll", "&Alles auswählen", "Ctrl+A"},
    };
    for (const Entry &e : entries) {
        const QString name = QString::fromUtf8(e.name);
        QAction *item = AppendItem(edit, name, QString::fromUtf8(e.text),
                                   QKeySequence(QString::fromUtf8(e.shortcut)));
        if (QString::fromUtf8(e.text) != QLatin1String("-")) {
            // The text fields take these keys themselves; the items serve the menu.
            item->setShortcutContext(Qt::WidgetShortcut);
            bindStandardEditing(item, name);
        }
    }
}
