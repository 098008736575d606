#include "twips.h"

#include <QWidget>

void place(QWidget &control, int left, int top, int width, int height)
{
    control.setGeometry(twipsToPixels(left, top, width, height));
}
