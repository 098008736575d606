#include "menu.h"

#include "form.h"

#include <QMenuBar>

MenuItem::MenuItem(Form &window, const QString &caption, const QKeySequence &shortcut) : QAction(caption, &window)
{
    setShortcut(shortcut);
    window.addAction(this);
    connect(this, &QAction::triggered, this, &MenuItem::clicked);
}

void addMenu(Form &window, const QString &caption, std::initializer_list<MenuItem *> items)
{
    QMenu *menu = window.menuBar().addMenu(caption);
    for (MenuItem *item : items)
        menu->addAction(item);
}
