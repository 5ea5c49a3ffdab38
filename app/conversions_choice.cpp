#include "app/conversions_choice.h"

#include "app/data_files.h"

namespace orva {

namespace {

constexpr char kAutomaticText[] = "auto";

// A line ending added by hand is no reason to forget the choice.
std::string WithoutLineEnd(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

}  // namespace

int ReadConversionsChoice(const std::string& path) {
  const std::string text = WithoutLineEnd(ReadWholeFile(path.c_str()).value_or(""));
  for (int choice : kConversionsChoices) {
    if (choice != kAutomaticConversions && text == std::to_string(choice)) return choice;
  }
  return kAutomaticConversions;
}

int WriteConversionsChoice(const std::string& path, int choice) {
  return WriteTextFile(path.c_str(), choice == kAutomaticConversions ? kAutomaticText : std::to_string(choice));
}

}  // namespace orva
