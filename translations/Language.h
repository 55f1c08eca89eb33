// The language the game speaks: chosen once at start from the user's
// environment, with Qt's own translations for its standard buttons.
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace zarvel {

// The languages the user asks for, most wanted first, as gettext reads them:
// the colon list in LANGUAGE, else the first set of LC_ALL, LC_MESSAGES and
// LANG. Codesets and modifiers are dropped and each name is followed by its
// bare language ("de_AT.UTF-8@euro" gives de_AT, de). An explicit C or POSIX
// locale asks for the untranslated program and overrides LANGUAGE, so
// "LC_ALL=C zarvel" always reads in English.
QStringList WantedLanguages(const QProcessEnvironment& env);

// The first wanted language the game carries a translation for; empty when
// the program should stay in English (its source language), which is also
// what "en" or "C" ask for.
QString ChooseLanguage(const QStringList& wanted);

// Loads the game's translation for the user's language and Qt's own
// (qtbase_*.qm) for the same language, replacing any loaded before. Returns
// the language chosen, empty for English.
QString InstallTranslations(QCoreApplication& app,
                            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The language InstallTranslations chose last ("de"), empty while the game
// speaks English. Windows with their own files per language (the help) ask it.
QString ChosenLanguage();

}  // namespace zarvel
