// The window's texts in the user's language. The English texts are the
// source; the translation catalogues carry them all in one context, "WindowText".
#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace orva {

// WindowText::tr("English text") is how the window names a text it shows.
class WindowText {
  Q_DECLARE_TR_FUNCTIONS(WindowText)
};

// A text of the string table, or a text the core hands the window, as the
// user reads it. Texts without a translation (numbers, file names) come back
// unchanged.
QString WindowString(int stringId);
QString ShownText(const char* english);
QString ShownText(const std::string& english);
// Why a job failed (its `fail_reason`), as the user reads it.
QString ShownReason(const char* reason);

// Loads the catalogue of the user's language (QLocale::system()) into the
// application. False when the language has none: the English texts stay.
bool InstallWindowTranslation();

// Loads the toolkit's own catalogue of the user's language, installed with
// the system's Qt translations: the file dialogs and the buttons of the
// questions (Yes, No, OK, Cancel) speak the language of the window. False
// when it is missing.
bool InstallToolkitTranslation();

}  // namespace orva
