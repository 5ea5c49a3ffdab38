// A yes/no question asked on the terminal.
#pragma once

#include <string>

namespace orva {

// Shows the question on stderr and reads the answer from stdin. No when
// stdin is not a terminal (a batch run never writes where it was not meant
// to), at end of input, or when Ctrl+C interrupts the wait.
bool AskYesNoOnTerminal(const std::string& question);

// The converter's question for an output folder that failed the
// writability test: convert into it anyway?
bool AskIgnoreNotWritableOnTerminal(const std::string& folder);

}  // namespace orva
