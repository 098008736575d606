#pragma once

// A one-line text box; Change fires whenever its text changes, whether the
// user typed or the program wrote it.
//
// A key that a menu item has as its shortcut, in the box's window or in
// every window, is the menu item's, not the box's: Ctrl+Z undoes the
// drawings wherever the focus is. Only the copy key stays the box's while
// it holds selected text.

#include <QLineEdit>

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);

signals:
    void changed();

protected:
    bool event(QEvent *event) override;
};
