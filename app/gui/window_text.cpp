#include "app/gui/window_text.h"

#include <QLocale>
#include <QTranslator>

#include "app/string_table.h"

namespace orva {

namespace {

// The texts of the string table and of a conversion run that the window
// shows, listed for the translation tools; the core keeps them in English.
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("WindowText", "&About Orva Video Converter..."),
    QT_TRANSLATE_NOOP("WindowText", "Add Files"),
    QT_TRANSLATE_NOOP("WindowText", "Remove Selected File(s) From List"),
    QT_TRANSLATE_NOOP("WindowText", "Remove All Files From List"),
    QT_TRANSLATE_NOOP("WindowText", "Edit Profile"),
    QT_TRANSLATE_NOOP("WindowText", "Browse Folder"),
    QT_TRANSLATE_NOOP("WindowText", "Open Folder"),
    QT_TRANSLATE_NOOP("WindowText", "Convert"),
    QT_TRANSLATE_NOOP("WindowText", "Stop Convert"),
    QT_TRANSLATE_NOOP("WindowText", "Click it to play"),
    QT_TRANSLATE_NOOP("WindowText", "Stop playing"),
    QT_TRANSLATE_NOOP("WindowText", "Pause"),
    QT_TRANSLATE_NOOP("WindowText", "Find new version,update or not?"),
    QT_TRANSLATE_NOOP("WindowText", "Set Current Time to Begin Time?"),
    QT_TRANSLATE_NOOP("WindowText", "Set Current Time to End Time?"),
    QT_TRANSLATE_NOOP("WindowText", "Begin time is large,change it before to continue"),
    QT_TRANSLATE_NOOP("WindowText", "given path is not writable, ignore the error"),
    QT_TRANSLATE_NOOP("WindowText", "Reading File Info ,please wait..."),
    QT_TRANSLATE_NOOP("WindowText", "Please stop ripping first and try again.\n\nDo you want to stop now?"),
    QT_TRANSLATE_NOOP("WindowText", "Orva Video Converter"),
    QT_TRANSLATE_NOOP("WindowText", "Ready"),
    QT_TRANSLATE_NOOP("WindowText", "Success!"),
    QT_TRANSLATE_NOOP("WindowText", "Failed!"),
    QT_TRANSLATE_NOOP("WindowText", "FATAL!"),
    QT_TRANSLATE_NOOP("WindowText", "Finish"),
    QT_TRANSLATE_NOOP("WindowText", "Error"),
};

}  // namespace

QString ShownText(const char* english) { return WindowText::tr(english); }

QString ShownText(const std::string& english) { return WindowText::tr(english.c_str()); }

QString WindowString(int stringId) { return ShownText(LoadString(stringId)); }

bool InstallWindowTranslation() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale::system(), QStringLiteral("orva"), QStringLiteral("_"),
                        QStringLiteral(":/i18n"))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace orva
