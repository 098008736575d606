#pragma once

// An option button; the option buttons of one container form a group in
// which exactly one is selected. Click fires when it becomes selected.

#include <QRadioButton>

class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *parent);

signals:
    void clicked();
};
