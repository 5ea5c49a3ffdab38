// Reading a command line into its arguments, and writing an argument so that
// it is read back unchanged.
#pragma once

#include <string>
#include <vector>

namespace orva {

// Blanks (spaces and tabs) separate arguments, double quotes group text that
// holds blanks, and the quotes themselves are dropped: "\"a b\" c" gives
// {"a b", "c"} and "x\"\"" gives {"x"}. Backslashes count only before a
// double quote: 2n of them give n backslashes and the quote groups as above,
// 2n+1 give n backslashes and a quote that is part of the argument. Anywhere
// else a backslash is an ordinary character, as in "a\b".
std::vector<std::string> SplitCommandLine(const char* commandLine);

// `argument` in double quotes, written so that SplitCommandLine gives it back
// exactly: its quotes are escaped, and the backslashes before a quote or
// before the closing quote are doubled. Text without quotes or backslashes
// just gains the two quotes around it.
std::string QuoteArgument(const std::string& argument);

}  // namespace orva
