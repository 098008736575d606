#include "checkbox.h"

CheckBox::CheckBox(QWidget *parent) : QCheckBox(parent)
{
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::clicked);
}

int CheckBox::value() const
{
    switch (checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void CheckBox::setValue(int value)
{
    // The greyed state is the program's to set; the user only toggles.
    if (value == 2)
        setTristate(true);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    if (value != 2)
        setTristate(false);
}
