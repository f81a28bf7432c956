#pragma once

#include <QString>
#include <QStringList>

// The program in the user's language: its own texts and Qt's (the buttons of the system message
// box), from the translations compiled into the program.
namespace quiz {

// The program's languages besides English, the language its texts are written in.
QStringList TranslatedLanguages();

// The language to show, from the user's languages in order of preference (as
// QLocale::uiLanguages() gives them: "de-DE", "es", "en-US", "C"): the first that the program
// speaks, English included; a language with a region falls back to the language alone. An
// empty answer is English, also where none of them is spoken.
QString ChooseLanguage(const QStringList& preferred, const QStringList& translated);

// Installs the translations of the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) into
// the application; nothing for English. Returns the language installed, or an empty string.
QString InstallTranslations();

// A text of the program in the desktop's language before the application exists (the command
// line's help).
QString TranslateEarly(const char* context, const char* text);

} // namespace quiz
