#pragma once

// The conversions between the texts of text boxes and numbers, and from
// numbers to whole numbers.

#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// The text as a number, by the user's locale (the C locale's form is
// accepted too); empty texts, texts that are not numbers and texts naming
// an infinity or "not a number" give nothing.
std::optional<double> textToNumber(const QString &text);

// The text's number, or 0 when it has none.
double numberOr0(const QString &text);

// The number as text in the user's locale: up to 15 significant digits, a
// minus sign only when negative, no blank and no group separators.
QString numberToText(double value);

// The nearest whole number, halves to the even neighbour, or nothing when
// it does not fit 16 or 32 bits (NaN included).
std::optional<std::int16_t> CInt(double value);
std::optional<std::int32_t> CLng(double value);

// The nearest whole number, halves to the even neighbour, held within the
// type's range (NaN gives 0): for values that leave it only with absurd
// typed input, where drawing something is better than refusing.
template <typename Whole>
Whole nearestWithin(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = double(std::numeric_limits<Whole>::min());
    // The largest double not above the type's maximum.
    const double high = std::nextafter(double(std::numeric_limits<Whole>::max()) + 1, 0.0);
    return Whole(std::clamp(std::nearbyint(value), low, std::floor(high)));
}
