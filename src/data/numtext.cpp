// SPDX-License-Identifier: GPL-3.0-or-later
#include "numtext.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

std::size_t SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i;
}

} // namespace

double AtoF(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    // from_chars would accept a second sign; atof does not.
    if (first == last || *first == '-' || *first == '+')
        return 0.0;
    // Coordinates in files: up to 15 digits with or without a point make a whole
    // number and a power of ten that are both exact, and one division rounds
    // them as correctly as the full parse (which everything else takes).
    {
        static constexpr double kPow10[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        std::uint64_t mantissa = 0; // wraps past 19 digits, and is not used then
        const auto digitsFrom = [&](const char* p) {
            for (; p != last && static_cast<unsigned>(*p - '0') < 10; ++p)
                mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
            return p;
        };
        const char* p = digitsFrom(first);
        std::ptrdiff_t digits = p - first, decimals = 0;
        if (p != last && *p == '.') {
            const char* fraction = p + 1;
            p = digitsFrom(fraction);
            decimals = p - fraction;
            digits += decimals;
        }
        const bool exponent = p != last && (*p == 'e' || *p == 'E');
        if (digits > 0 && digits <= 15 && !exponent) {
            value = static_cast<double>(mantissa) / kPow10[decimals];
            return negative ? -value : value;
        }
    }
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // A huge exponent overflows to infinity, a tiny one underflows to 0, as strtod does.
        std::string copy(first, result.ptr);
        value = std::strtod(copy.c_str(), nullptr);
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

int AtoI(std::string_view text) {
    std::size_t i = SkipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max())
            value = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

std::string StrFormat(const char* format, ...) {
    // The formats here carry numbers only; a "C" numeric locale is assumed and
    // set by every program entry point.
    char small[128];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (n < 0) {
        va_end(copy);
        return out;
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else {
        out.resize(static_cast<std::size_t>(n));
        std::vsnprintf(out.data(), out.size() + 1, format, copy);
    }
    va_end(copy);
    return out;
}

void AppendFixed(std::string& out, double value, int precision) {
    // Coordinates and distances: scaled to a whole number, which is exact
    // unless the scaled value lies within a hair of a half, where its one
    // rounding could tip it; those, and everything large, go the long way.
    static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double scaled =
        precision >= 0 && precision <= 6 ? std::fabs(value) * kScale[precision] : -1;
    // Below 1e8 the product is off by less than 2e-8 from the exact one.
    if (scaled >= 0 && scaled < 1e8) {
        const double whole = std::floor(scaled);
        const double fraction = scaled - whole;
        if (std::fabs(fraction - 0.5) > 1e-6) {
            char digits[16];
            const auto n = static_cast<std::uint32_t>(whole) + (fraction > 0.5);
            char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
            const auto count = static_cast<int>(end - digits);
            if (std::signbit(value))
                out += '-';
            if (count <= precision) {
                out += '0';
                out += '.';
                out.append(static_cast<std::size_t>(precision - count), '0');
                out.append(digits, end);
            } else {
                out.append(digits, end - precision);
                if (precision > 0) {
                    out += '.';
                    out.append(end - precision, end);
                }
            }
            return;
        }
    }
    char buffer[400]; // DBL_MAX in fixed notation is 309 digits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    out.append(buffer, result.ptr);
}

void AppendInt(std::string& out, long long value, int width) {
    char buffer[24];
    const bool negative = value < 0;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const int digits = int(result.ptr - buffer) - negative;
    if (negative)
        out += '-';
    if (digits < width - negative)
        out.append(std::size_t(width - negative - digits), '0');
    out.append(buffer + negative, result.ptr);
}

int SaturatingInt(double value) {
    if (!(value == value))
        return 0;
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

std::string ExactDecimal(double value) {
    if (!std::isfinite(value))
        return "0";
    char buffer[512];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string FixedOrExact(double value) {
    std::string six = StrFormat("%f", value);
    return AtoF(six) == value ? six : ExactDecimal(value);
}
