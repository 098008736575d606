#pragma once

// Qt's print and print preview dialogs, each with a test seam that stands
// in for the user.

#include <functional>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

// Modal: lets the user choose the printer (or a PDF file) and its page;
// false when the user cancelled.
bool ShowPrintDialog(QWidget &owner, QPrinter &printer);

// Modal: shows the pages that paint draws onto the printer, which the user
// may print from there.
void ShowPrintPreview(QWidget &owner, QPrinter &printer, const std::function<void(QPrinter &printer)> &paint);

// Test seams: while set, the answer stands in for the user. The print
// answer may set the printer up, and returns false for Cancel; the preview
// answer gets the dialog, built and connected, in place of its showing.
using PrintAnswer = std::function<bool(QPrinter &printer)>;
using PreviewAnswer = std::function<void(QPrintPreviewDialog &dialog)>;
void setPrintAnswer(PrintAnswer answer);
void setPreviewAnswer(PreviewAnswer answer);
