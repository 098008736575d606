#include "generatorpanel.h"

#include "infowindows/errorwindow.h"
#include "platform/numbers.h"

bool GeneratorPanel::gencheck()
{
    // Every box counts, the disabled step boxes too.
    for (const TextBox *box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9}) {
        if (!textToNumber(box->text())) {
            ShowError("all generator values must be numbers");
            return false;
        }
    }
    const auto value = [](const TextBox &box) { return *textToNumber(box.text()); };
    if ((Option1.isChecked() && value(Text3) == 0) || (Option2.isChecked() && value(Text6) == 0) ||
        (Option3.isChecked() && value(Text9) == 0)) {
        ShowError("step value cannot be 0");
        return false;
    }
    // A step of the wrong sign is turned round, in every row, silently.
    for (const Row &row : rows()) {
        const double from = value(row.from), to = value(row.to), step = value(row.step);
        if ((step < 0 && from < to) || (step > 0 && from > to))
            row.step.setText(numberToText(-step));
    }
    return true;
}
