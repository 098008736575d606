// Draws Rondel's icon with its own tracer: a five-petalled gear curve in
// the colour of the first drawing, written as SVG by the picture export.

#include "core/module1.h"
#include "export/svgexport.h"
#include "platform/savefile.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s icon.svg\n", argv[0]);
        return 2;
    }
    pi = ProgramPi;
    DrawingRecord flower;
    flower.statRadius = 500;
    flower.rotRadius = 200;
    flower.penDistance = 300;
    flower.gearPosition = -100;
    flower.color = RGB(0, 0, 192);
    SaveFile icon(QString::fromLocal8Bit(argv[1]));
    // Lines thick enough to show at the sizes of a desktop's menus.
    QString reason;
    if (!icon.open() || !WriteSvgPicture(icon, {&flower, 1}, 40, reason) || !icon.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reason.isEmpty() ? icon.errorString() : reason));
        return 1;
    }
    return 0;
}
