#pragma once

// The conversions between the texts of text boxes and numbers.

#include <QString>
#include <optional>

// The text as a number, by the user's locale (the C locale's form is
// accepted too); empty texts, texts that are not numbers and texts naming
// an infinity or "not a number" give nothing.
std::optional<double> textToNumber(const QString &text);

// The text's number, or 0 when it has none.
double numberOr0(const QString &text);
