// Numbers as other programs and files write and read them: a dot before the
// decimals and no grouping, whatever locale the process runs in. The C
// library's printf and strtod follow the locale a toolkit or a library may
// set at any time (a decimal comma in most of the world), so every number
// that leaves or enters the program goes through these.
#pragma once

#include <string>

namespace orva {

// `value` with `decimals` digits after a dot, as "%.*f" in the "C" locale;
// at least `width` characters, filled with blanks in front ("%*.*f").
std::string FixedText(double value, int decimals, int width = 0);

// The same filled with zeros after any sign ("%0*.*f"): 2.5 at width 5 with
// 2 decimals is "02.50".
std::string ZeroFilledFixedText(double value, int decimals, int width);

// The decimal number at the start of `text`, as strtod reads it in the "C"
// locale: leading white space, an optional sign, digits with an optional dot
// and exponent, "inf" and "nan". `end` (when given) is set just past the
// number, or to `text` when none was read; the value is then 0. A number
// beyond the range of a double reads as none.
double ReadDecimal(const char* text, const char** end = nullptr);

}  // namespace orva
