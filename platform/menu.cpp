#include "menu.h"

#include "form.h"

#include <QMenuBar>

MenuItem::MenuItem(Form &window, const QString &caption, const QKeySequence &shortcut) : QAction(caption, &window)
{
    setShortcut(shortcut);
    window.addAction(this);
    connect(this, &QAction::triggered, this, &MenuItem::clicked);
}

ListMenu::ListMenu(Form &window, const QString &caption) : QMenu(caption, &window)
{
    connect(this, &QMenu::aboutToShow, this, &ListMenu::opening);
}

void ListMenu::setItems(const QStringList &texts)
{
    clear();
    for (const QString &text : texts) {
        // An ampersand is shown as itself, not as an access key.
        connect(addAction(QString(text).replace('&', "&&")), &QAction::triggered, this, [this, text] { emit chosen(text); });
    }
    menuAction()->setEnabled(!texts.isEmpty());
}

void addMenu(Form &window, const QString &caption, std::initializer_list<QAction *> items)
{
    QMenu *menu = window.menuBar().addMenu(caption);
    for (QAction *item : items) {
        if (item == Separator)
            menu->addSeparator();
        else
            menu->addAction(item);
    }
}
