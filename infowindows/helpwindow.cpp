#include "helpwindow.h"

#include "platform/twips.h"

#include <QPalette>

HelpWindow::HelpWindow() : Form("help1", "Rondel help", 7740, 6555, BorderStyle::FixedSingle)
{
    moveTo(825, 1815);
    const struct {
        Label &label;
        int top;
        int height;
        const char *text;
    } paragraphs[] = {
        {Label1, 480, 615,
         "The main panel contains slide controls that set the radius of the stationary and rotating gears.  The third "
         "slide control sets the distance of the pen from the center of the rotating gear (expressed as a percentage "
         "of the radius of the rotating gear).   The rightmost slide control sets the start angle (in degrees)."},
        {Label2, 1200, 855,
         "The rotating gear can be positioned either inside (slider all the way to the left) or outside (slider all "
         "the way to the right) of the stationary gear, or anywhere in between.  The setup box displays the "
         "configuration of pen and gears to be used when you hit the draw command button. Drawings can be stacked on "
         "the canvas by regonfiguring the gears and hitting draw.  Clear the canvas with the clear button."},
        {Label3, 2160, 615,
         "Drawing colors are selected by cycling through 8 primary colors or by selecting a new random color for each "
         "drawing.  Color mode controls are in the Edit pulldown menu.  Click the color chip to change a primary color "
         "or manually force the next color to draw."},
        {Label4, 2880, 975,
         "Use edit->generator to automatically draw multiple related curves on the same canvas.  The generator allows "
         "you to sweep  the pen distance, the start angle or the  position of the rotating gear, in combinstions or "
         "all simultaneously.  The generator uses the gear sizes from the main panel and selects colors to form a "
         "gradient (if checked) or else according to the color mode.  You might want to clear the canvas before "
         "hitting draw in the generator."},
        {Label5, 3960, 615,
         "Use View->Zoom commands (or F1, F2) in the main panel to zoom the canvas before, during or after drawing.  "
         "You can always recreate the last drawing (since the last clear command) by clicking in the canvas window.  "
         "You can stop drawing by clicking in the canvas window."},
        {Label8, 4680, 855,
         "When the animate box is checked in the generator panel an animation of your drawing will be displayed in "
         "the screen window.  Click inside the screen window to terminate the animation or to restart it.  Many of "
         "the main panel controls are active during an animation.  These include the zoom controls as well as the "
         "gear sizes.  To obtain anything like smooth animation use gear ratios that produce simple curves. "},
        {Label6, 5640, 855,
         "You can save your last drawing (since the last clear command) as a metafile (.wmf format).  Use File->Save "
         "as.  Metafiles are vector files that can be imported by many popular drawing and rendering packages that "
         "can produce superior printing or exporting results.  Alternatively you can dump your canvas to the system "
         "clipboard by hitting the PrintScreen key on your PC."},
    };
    // The window and its labels take the system's colour for title-bar text,
    // which a dark theme keeps light.
    const Color background = fromQColor(palette().color(QPalette::HighlightedText));
    setBackColor(background);
    for (const auto &paragraph : paragraphs) {
        place(paragraph.label, 120, paragraph.top, 7455, paragraph.height);
        paragraph.label.setCaption(paragraph.text);
        paragraph.label.setBackColor(background);
        paragraph.label.setForeColor(textColorOn(background));
    }
    fitTogether({&Label1, &Label2, &Label3, &Label4, &Label5, &Label8, &Label6});
}
