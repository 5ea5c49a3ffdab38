// How many jobs the window converts at once, as the user chose it: kept in
// conversions.dat in the data folder as "auto" or the number. Versions that
// do not know the file leave it alone.
#pragma once

#include <string>

namespace orva {

// As many at once as processors may be used.
inline constexpr int kAutomaticConversions = 0;
// The choices offered, in the order the menu shows them.
inline constexpr int kConversionsChoices[] = {kAutomaticConversions, 1, 2, 3, 4, 6, 8};

// The choice the file holds; a missing file, or one holding no choice
// offered, means automatic.
int ReadConversionsChoice(const std::string& path);
// Writes "auto" or the number; 0 when the file was written, -1 otherwise.
int WriteConversionsChoice(const std::string& path, int choice);

}  // namespace orva
