#include "platform/runtime/Convert.h"

#include "platform/runtime/Error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace runtime {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Length of the longest number at `from` (sign, mantissa, optional exponent),
// or -1 when no digit of a mantissa is there. An incomplete exponent ("1e",
// "1e+") is not part of the number.
qsizetype scanNumber(const QString& text, qsizetype from)
{
    const qsizetype n = text.size();
    qsizetype i = from;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool anyDigit = false;
    while (i < n && isDigit(text[i])) {
        ++i;
        anyDigit = true;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return -1;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - from;
}

enum class Parsed { Ok, Overflow };

// Converts a span that scanNumber accepted. Underflow gives a zero of the
// span's sign; overflow is reported so each caller can decide.
Parsed parseSpan(const QString& text, qsizetype from, qsizetype length, double& out)
{
    std::string s = text.mid(from, length).toStdString();  // ASCII by construction
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.erase(0, 1);
    }
    double magnitude = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // The decimal exponent of the leading significant digit tells overflow
        // from underflow; it is saturated so that absurd exponents stay defined.
        long long intDigits = 0;
        long long digitIndex = 0;
        long long firstSignificant = -1;
        bool seenPoint = false;
        size_t i = 0;
        for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
            if (s[i] == '.') {
                seenPoint = true;
                continue;
            }
            if (!seenPoint)
                ++intDigits;
            if (firstSignificant < 0 && s[i] != '0')
                firstSignificant = digitIndex;
            ++digitIndex;
        }
        const long long lead = intDigits - 1 - firstSignificant;
        long long exponent = 0;
        if (i < s.size()) {
            size_t j = i + 1;
            const bool expNegative = s[j] == '-';
            if (s[j] == '+' || s[j] == '-')
                ++j;
            for (; j < s.size(); ++j)
                exponent = std::min(exponent * 10 + (s[j] - '0'), 1'000'000'000LL);
            if (expNegative)
                exponent = -exponent;
        }
        if (firstSignificant >= 0 && lead + exponent >= 0)
            return Parsed::Overflow;
        magnitude = 0;
    }
    out = negative ? -magnitude : magnitude;
    return Parsed::Ok;
}

// The whole text, less surrounding blanks, must be one number.
double strictParse(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const qsizetype length = scanNumber(text, first);
    if (length < 0 || first + length != last)
        raise(err::TypeMismatch);
    double value = 0;
    if (parseSpan(text, first, length, value) == Parsed::Overflow)
        raise(err::Overflow);
    return value;
}

// Exact for every finite double: the fraction v - floor(v) is representable.
double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5)
        return down + 1;
    if (fraction < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

template <typename Int>
Int toWhole(double value)
{
    if (!std::isfinite(value))
        raise(err::Overflow);
    const double rounded = roundHalfEven(value);
    // Both limits are exact doubles, so the comparison decides before any cast.
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min())
        || rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        raise(err::Overflow);
    return static_cast<Int>(rounded);
}

}  // namespace

int16_t toInt16(const QString& text) { return toInt16(strictParse(text)); }

int32_t toInt32(const QString& text) { return toInt32(strictParse(text)); }

double toDouble(const QString& text) { return strictParse(text); }

int16_t toInt16(double value) { return toWhole<int16_t>(value); }

int32_t toInt32(double value) { return toWhole<int32_t>(value); }

bool isNumeric(const QString& text)
{
    try {
        strictParse(text);
        return true;
    } catch (const Error&) {
        return false;
    }
}

double val(const QString& text)
{
    qsizetype first = 0;
    while (first < text.size()
           && (isBlank(text[first]) || text[first] == u'\r' || text[first] == u'\n'))
        ++first;
    const qsizetype length = scanNumber(text, first);
    if (length < 0)
        return 0;
    double value = 0;
    if (parseSpan(text, first, length, value) == Parsed::Overflow)
        return text[first] == u'-' ? -std::numeric_limits<double>::infinity()
                                   : std::numeric_limits<double>::infinity();
    return value;
}

}  // namespace runtime
