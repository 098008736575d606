#include "benchsupport.h"

#include "mainwindow/mainpanel.h"
#include "platform/system.h"

void startProgram()
{
    if (Form1.isLoaded())
        return;
    Form1->show();
    DoEvents();
}

DrawingRecord panelRecord(double stat, double rot, double penPercent, int position)
{
    DrawingRecord record;
    record.statRadius = stat * 5;
    record.rotRadius = rot * 5;
    record.penDistance = penPercent / 100 * record.rotRadius;
    record.color = RGB(0, 0, 192);
    record.gearPosition = std::int16_t(position);
    return record;
}
