#include "numbers.h"

#include <QLocale>
#include <cmath>

std::optional<double> textToNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double numberOr0(const QString &text)
{
    return textToNumber(text).value_or(0.0);
}
