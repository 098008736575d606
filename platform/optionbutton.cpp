#include "optionbutton.h"

OptionButton::OptionButton(QWidget *parent) : QRadioButton(parent)
{
    connect(this, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            emit clicked();
    });
}
