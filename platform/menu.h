#pragma once

// Menu items with captions (an ampersand marks the access key), shortcuts
// and enabled states. Items are created with their window and placed into
// the window's menus apart from that.

#include <QAction>
#include <QKeySequence>
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

// Adds a menu with the given items to the window's menu bar.
void addMenu(Form &window, const QString &caption, std::initializer_list<MenuItem *> items);
