// SPDX-License-Identifier: GPL-3.0-or-later
// Locale-independent stand-ins for atof/atoi and printf-style formatting, so the
// file and text formats do not change with the user's locale.
#pragma once

#include <string>
#include <string_view>

// Like atof: skips leading white space, reads the longest number prefix, 0.0 when none.
double AtoF(std::string_view text);

// Like atoi: skips leading white space, an optional sign, then digits; 0 when none.
int AtoI(std::string_view text);

// A double as an int, toward zero, saturating at the int range; NaN gives 0.
// Every double-to-int conversion goes through it: a plain cast of an
// out-of-range value is undefined.
int SaturatingInt(double value);
// snprintf into a std::string, always in the "C" numeric notation.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
// printf's "%.<precision>f" and "%0<width>d", appended: a list of a million
// rows formats millions of numbers, and printf's parsing of its format is
// most of the cost.
void AppendFixed(std::string& out, double value, int precision);
void AppendInt(std::string& out, long long value, int width = 0);
// The shortest decimal text (no exponent) that reads back as the same double;
// "0" for a value that is not finite.
std::string ExactDecimal(double value);
// "%f" when that reads back as the same double, otherwise ExactDecimal: texts
// others read keep their usual six decimals, and nothing is rounded away.
std::string FixedOrExact(double value);
