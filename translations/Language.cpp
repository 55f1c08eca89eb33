#include "Language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace zarvel {

namespace {

// Where the build puts the game's compiled translations.
const QString kCarried = QStringLiteral(":/i18n/zarvel_");

bool IsUntranslatedLocale(const QString& name) {
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// "de_AT.UTF-8@euro" -> de_AT, de.
void AddWithFallback(const QString& name, QStringList& out) {
    const QString bare = name.section(u'@', 0, 0).section(u'.', 0, 0);
    if (bare.isEmpty()) return;
    if (!out.contains(bare)) out << bare;
    const qsizetype underscore = bare.indexOf(u'_');
    if (underscore > 0 && !out.contains(bare.left(underscore))) out << bare.left(underscore);
}

// The game's and Qt's translators now installed, so a second call replaces them.
QPointer<QTranslator> gameTranslator;
QPointer<QTranslator> qtTranslator;
QString chosen;

}  // namespace

QStringList WantedLanguages(const QProcessEnvironment& env) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = env.value(QLatin1String(name));
        if (!locale.isEmpty()) break;
    }
    if (IsUntranslatedLocale(locale)) return {QStringLiteral("C")};

    QStringList wanted;
    const QString language = env.value(QStringLiteral("LANGUAGE"));
    const QStringList names = language.isEmpty() ? QStringList{locale} : language.split(u':', Qt::SkipEmptyParts);
    for (const QString& name : names) AddWithFallback(name, wanted);
    return wanted;
}

QString ChooseLanguage(const QStringList& wanted) {
    for (const QString& lang : wanted) {
        // English is the source: asking for it (or for C) ends the search.
        if (IsUntranslatedLocale(lang) || lang == QLatin1String("en") || lang.startsWith(QLatin1String("en_")))
            return {};
        if (QFile::exists(kCarried + lang + QStringLiteral(".qm"))) return lang;
    }
    return {};
}

QString InstallTranslations(QCoreApplication& app, const QProcessEnvironment& env) {
    for (QPointer<QTranslator>* t : {&gameTranslator, &qtTranslator}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete t->data();
        }
    }
    chosen.clear();
    const QString lang = ChooseLanguage(WantedLanguages(env));
    if (lang.isEmpty()) return {};

    auto* game = new QTranslator(&app);
    if (game->load(kCarried + lang)) {
        QCoreApplication::installTranslator(game);
        gameTranslator = game;
    } else {
        delete game;
        return {};
    }
    // Qt's standard buttons and dialogs, from the system's Qt translations;
    // without them those stay in English and the game still starts.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + lang, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtTranslator = qt;
    } else {
        delete qt;
    }
    chosen = lang;
    return lang;
}

QString ChosenLanguage() { return chosen; }

}  // namespace zarvel
