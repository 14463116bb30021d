#include "layoutnumbers.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Checks the shape ourselves: QString::toDouble also takes "inf", "nan" and
// hexadecimal-looking forms that the file format does not allow.
bool isDecimalNumber(QStringView s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        ++i;
        if (i < n && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        qsizetype exponentDigits = 0;
        while (i < n && isDigit(s[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

} // namespace

namespace layoutnumber {

std::optional<double> parse(QStringView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    const QStringView number = text.sliced(from, to - from);
    if (!isDecimalNumber(number))
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    // toDouble reports an overflow to infinity as a failure; zero from an
    // underflow is a fine value.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::optional<double> parseGeometry(QStringView text) {
    const std::optional<double> value = parse(text);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfEven(*value);
    if (rounded < kGeometryMin || rounded > kGeometryMax)
        return std::nullopt;
    return value;
}

std::optional<qint32> parseColour(QStringView text) {
    const std::optional<double> value = parse(text);
    if (!value)
        return std::nullopt;
    const double rounded = roundHalfEven(*value);
    if (rounded < double(std::numeric_limits<qint32>::min()) ||
        rounded > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(rounded);
}

QString formatGeometry(double value, bool* clamped) {
    double rounded = std::isnan(value) ? 0.0 : roundHalfEven(value);
    const bool outside = std::isnan(value) || rounded < kGeometryMin || rounded > kGeometryMax;
    if (outside)
        rounded = std::isnan(value) ? 0.0 : (rounded < 0 ? kGeometryMin : kGeometryMax);
    if (clamped)
        *clamped = outside;
    return QString::number(int(rounded));
}

QString formatColour(qint32 colour) {
    return QString::number(colour);
}

} // namespace layoutnumber
