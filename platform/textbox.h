#pragma once

// A one-line text box; Change fires whenever its text changes, whether the
// user typed or the program wrote it.

#include <QLineEdit>

class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent);

signals:
    void changed();
};
