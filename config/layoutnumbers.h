#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How the layout section writes and reads its numbers.
namespace layoutnumber {

inline constexpr int kGeometryMin = -32768; // geometry is a signed 16-bit field
inline constexpr int kGeometryMax = 32767;

// A decimal number: optional blanks, an optional sign, digits with an optional
// decimal point, an optional exponent, optional blanks. Anything else, and
// values too large for a double, give nothing.
std::optional<double> parse(QStringView text);

// A position or size as the file can hold it: a number whose rounded value lies
// in the signed 16-bit range. The value itself is kept unrounded.
std::optional<double> parseGeometry(QStringView text);

// A colour: a number rounded to the nearest 32-bit integer, halves to even.
std::optional<qint32> parseColour(QStringView text);

// Rounds to the nearest integer, a value exactly halfway going to the even one
// (298.5 gives 298, 299.5 gives 300).
double roundHalfEven(double value);

// The decimal text of a geometry value, rounded half to even. A value outside
// the 16-bit range is written as the nearest end of it, and *clamped says so.
QString formatGeometry(double value, bool* clamped = nullptr);

// The decimal text of a colour; a colour with the top bit set is negative.
QString formatColour(qint32 colour);

} // namespace layoutnumber
