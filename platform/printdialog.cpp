#include "printdialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {
PrintAnswer printAnswer;
PreviewAnswer previewAnswer;
} // namespace

void setPrintAnswer(PrintAnswer answer)
{
    printAnswer = std::move(answer);
}

void setPreviewAnswer(PreviewAnswer answer)
{
    previewAnswer = std::move(answer);
}

bool ShowPrintDialog(QWidget &owner, QPrinter &printer)
{
    if (printAnswer)
        return printAnswer(printer);
    QPrintDialog dialog(&printer, &owner);
    return dialog.exec() == QDialog::Accepted;
}

void ShowPrintPreview(QWidget &owner, QPrinter &printer, const std::function<void(QPrinter &printer)> &paint)
{
    QPrintPreviewDialog dialog(&printer, &owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *shown) { paint(*shown); });
    if (previewAnswer)
        previewAnswer(dialog);
    else
        dialog.exec();
}
