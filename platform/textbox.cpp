#include "textbox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

namespace {
// An enabled menu item has the key as its shortcut: one of the box's
// window, or one that acts in every window of the program.
bool menuItemTakes(const QWidget &box, const QKeySequence &key)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *window : windows) {
        const QList<QAction *> items = window->actions();
        for (const QAction *item : items) {
            const bool reaches = window == box.window() || item->shortcutContext() == Qt::ApplicationShortcut;
            if (reaches && item->isEnabled() && item->shortcuts().contains(key))
                return true;
        }
    }
    return false;
}
} // namespace

TextBox::TextBox(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &TextBox::changed);
}

// Qt asks the focused widget first whether it takes a key itself; left
// unaccepted, the key goes to the menu item's shortcut.
bool TextBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool copiesText = key->matches(QKeySequence::Copy) && hasSelectedText();
        if (!copiesText && menuItemTakes(*this, QKeySequence(key->keyCombination())))
            return true;
    }
    return QLineEdit::event(event);
}
