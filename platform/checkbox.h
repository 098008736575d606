#pragma once

// A check box with the value 0 (unchecked), 1 (checked) or 2 (greyed). Click
// fires whenever the value changes, whether the user clicked or the program
// set it.

#include <QCheckBox>

class CheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent);

    int value() const;
    void setValue(int value);

signals:
    void clicked();
};
