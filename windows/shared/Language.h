#pragma once
// The language the program speaks: the first of the user's languages (as Qt
// reads them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that it has a
// translation for, or English, in which it is written. Qt's own texts (the
// file dialog, the buttons of message boxes) come in the same language.
// This is the one place that picks it; the reading engine's texts follow
// through the translation handed to it.

#include <QLocale>
#include <QString>
#include <QStringList>

namespace Language {

// Chooses the language for `locale`'s list of languages, installs its
// translations (the program's, compiled in, and Qt's) and fills the
// catalogue in it. Returns the language's code, "en" for English. Call once
// the application exists, before any window is built.
QString Install(const QLocale& locale = QLocale::system());

// The languages the program has a translation for, besides English.
QStringList Available();

// The language in use ("en" until Install chose another).
QString Current();

// Whether the program's own texts in this language are written in the Latin
// script, which Qt sets well without a shaping engine.
bool OwnTextIsLatin();

}  // namespace Language
