#include "module1.h"

#include <cmath>

std::array<DrawingRecord, DrawingSlots> drawings{};
std::int16_t drawCount = 0;

std::array<Color, 8> palette{};
std::int16_t paletteIndex = 0;
double zoomFactor = 0;
double pi = 0;
bool replaying = false;
bool animStopped = false;
std::int16_t penWidth = 0;
bool fullScreen = false;
bool meterOn = false;
double frameDelay = 0;
QString metafileName;
bool smoothLines = false;

std::array<QPoint, FramePointSlots> framePoints{};
std::int16_t lastFramePoint = 0;

FormRef<MainPanel> Form1;
FormRef<CanvasWindow> canvas;
FormRef<GeneratorPanel> genbox;
FormRef<ScreenWindow> screeen;
FormRef<AnimationStartDialog> anistart;
FormRef<HelpWindow> help1;
FormRef<AboutWindow> about1;
FormRef<ErrorWindow> errbox;

double WithinOneTurn(double degrees)
{
    return std::abs(degrees) > 360 ? std::fmod(degrees, 360) : degrees;
}
