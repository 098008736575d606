#pragma once

// File -> Print… and Print preview…: Qt's dialogs, then the page laid out as
// the PDF export lays it out (see printpage.h), on the printer's paper and
// within its margins, painted by PaintDrawingPage.

// The Clicks of the main panel's print and printpreview items.
void print_Click();
void printpreview_Click();
