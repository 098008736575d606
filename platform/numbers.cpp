#include "numbers.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {
template <typename Whole>
std::optional<Whole> nearestWhole(double value)
{
    // The default rounding mode rounds halves to the even neighbour.
    const double whole = std::nearbyint(value);
    if (!(whole >= std::numeric_limits<Whole>::min() && whole <= std::numeric_limits<Whole>::max()))
        return std::nullopt;
    return Whole(whole);
}
} // namespace

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

QString numberToText(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

std::optional<std::int16_t> CInt(double value)
{
    return nearestWhole<std::int16_t>(value);
}

std::optional<std::int32_t> CLng(double value)
{
    return nearestWhole<std::int32_t>(value);
}
