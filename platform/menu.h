#pragma once

// Menu items with captions (an ampersand marks the access key), shortcuts
// and enabled states. Items are created with their window and placed into
// the window's menus apart from that.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <initializer_list>

class Form;

class MenuItem : public QAction
{
    Q_OBJECT
public:
    MenuItem(Form &window, const QString &caption, const QKeySequence &shortcut = {});

    void setCaption(const QString &caption) { setText(caption); }
    QString caption() const { return text(); }

signals:
    void clicked();
};

// A submenu of texts, made afresh each time it opens; choosing one gives
// its text.
class ListMenu : public QMenu
{
    Q_OBJECT
public:
    ListMenu(Form &window, const QString &caption);

    void setItems(const QStringList &texts);

signals:
    void opening();
    void chosen(const QString &text);
};

// Stands between two groups of items in addMenu's list: a separator line.
inline constexpr QAction *Separator = nullptr;

// Adds a menu with the given items (menu items, submenus' actions and
// separators) to the window's menu bar.
void addMenu(Form &window, const QString &caption, std::initializer_list<QAction *> items);
