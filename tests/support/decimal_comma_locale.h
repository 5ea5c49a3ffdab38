// A German locale (decimal comma) made for the test run, so number texts can
// be checked where the C library writes "2,5" for 2.5. The locale is built
// from the system's sources once per build tree, into a folder of its own
// that every test process shares; the system's own locales are not touched.
#pragma once

#include <string>

namespace orva::test {

// Makes the locale (first call only) and switches the whole process to it,
// also for the programs it starts (LOCPATH, LANG, LC_ALL). False with `why`
// when the locale cannot be made or taken.
bool UseDecimalCommaLocale(std::string& why);

// Back to the "C" locale, for the process and the programs it starts.
void LeaveDecimalCommaLocale();

// The environment that puts a program started by a test into the locale
// ("LOCPATH=... LANG=... LC_ALL=..."); empty before the locale was made.
std::string DecimalCommaEnvironment();

// Makes the UTF-8 locale of `language` ("de_DE", "fr_FR") in the same shared
// folder, which `locpath` names after; false with `why` when it cannot.
bool MakeTestLocale(const std::string& language, std::string& locpath, std::string& why);

}  // namespace orva::test
