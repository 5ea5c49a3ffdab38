#include "app/gui/window_text.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/string_table.h"
#include "engine/failure_reason.h"

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
    QT_TRANSLATE_NOOP("WindowText", "Set Begin Time"),
    QT_TRANSLATE_NOOP("WindowText", "Set End Time"),
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
    // Why a job failed, in its status tooltip.
    QT_TRANSLATE_NOOP("WindowText", "the source has no audio stream to convert"),
    QT_TRANSLATE_NOOP("WindowText", "the encoder ended with status %1"),
    QT_TRANSLATE_NOOP("WindowText", "the encoder was ended by signal %1"),
    QT_TRANSLATE_NOOP("WindowText", "no encoder program at %1"),
    QT_TRANSLATE_NOOP("WindowText", "the encoder program %1 cannot be started"),
    QT_TRANSLATE_NOOP("WindowText", "the output folder %1 does not exist"),
    QT_TRANSLATE_NOOP("WindowText", "the output folder %1 is not writable"),
    QT_TRANSLATE_NOOP("WindowText", "stopped after %1 of the range"),
    QT_TRANSLATE_NOOP("WindowText", "the encoder wrote only %1 of the range"),
    QT_TRANSLATE_NOOP("WindowText", "the encoder command would be longer than 1023 characters"),
    QT_TRANSLATE_NOOP("WindowText", "the output path would be too long (259 characters, 255 for the file name)"),
    QT_TRANSLATE_NOOP("WindowText", "the output folder cannot be searched"),
};

}  // namespace

QString ShownText(const char* english) { return WindowText::tr(english); }

QString ShownText(const std::string& english) { return WindowText::tr(english.c_str()); }

QString WindowString(int stringId) { return ShownText(LoadString(stringId)); }

// A reason is a fixed text, or one of the forms with a path or a figure in
// place of its "%1"; the encoder's own messages stay as it wrote them.
QString ShownReason(const char* reason) {
  const QString text = QString::fromUtf8(reason);
  const QString whole = ShownText(reason);
  if (whole != text) return whole;
  for (const char* form : kReasonForms) {
    const QString english = QString::fromUtf8(form);
    const qsizetype mark = english.indexOf(QStringLiteral("%1"));
    if (mark < 0) continue;
    const QString before = english.left(mark);
    const QString after = english.mid(mark + 2);
    if (text.size() < before.size() + after.size() || !text.startsWith(before) || !text.endsWith(after)) continue;
    return ShownText(form).arg(text.mid(before.size(), text.size() - before.size() - after.size()));
  }
  return text;
}

namespace {

bool InstallCatalogue(const QString& name, const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QLocale::system(), name, QStringLiteral("_"), folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace

bool InstallWindowTranslation() { return InstallCatalogue(QStringLiteral("orva"), QStringLiteral(":/i18n")); }

bool InstallToolkitTranslation() {
  return InstallCatalogue(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace orva
