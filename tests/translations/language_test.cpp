// Which language the game speaks, and that the compiled translations and
// Qt's own really load.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "CommandLine.h"
#include "Language.h"

namespace {

using zarvel::ChooseLanguage;
using zarvel::InstallTranslations;
using zarvel::WantedLanguages;

QProcessEnvironment Env(std::initializer_list<std::pair<const char*, const char*>> vars) {
    QProcessEnvironment env;
    for (const auto& [name, value] : vars) env.insert(QLatin1String(name), QLatin1String(value));
    return env;
}

QStringList List(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* n : names) out << QLatin1String(n);
    return out;
}

TEST(Language, TheVariablesCountInGettextsOrder) {
    EXPECT_EQ(WantedLanguages(Env({{"LANG", "fr_FR.UTF-8"}})), List({"fr_FR", "fr"}));
    EXPECT_EQ(WantedLanguages(Env({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}})), List({"es_ES", "es"}));
    EXPECT_EQ(WantedLanguages(Env({{"LANG", "fr"}, {"LC_MESSAGES", "es"}, {"LC_ALL", "de_DE"}})), List({"de_DE", "de"}));
    // LANGUAGE comes before them all, as a list, and empty entries are skipped.
    EXPECT_EQ(WantedLanguages(Env({{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "pt_BR::de"}})), List({"pt_BR", "pt", "de"}));
    EXPECT_EQ(WantedLanguages(Env({{"LANGUAGE", "de_AT.UTF-8@euro:de"}})), List({"de_AT", "de"}));
    // Set but empty is not set.
    EXPECT_EQ(WantedLanguages(Env({{"LANGUAGE", ""}, {"LC_ALL", ""}, {"LANG", "es_MX"}})), List({"es_MX", "es"}));
    EXPECT_TRUE(WantedLanguages(Env({})).isEmpty());
}

TEST(Language, AnExplicitCLocaleMeansEnglishWhateverLanguageSays) {
    EXPECT_EQ(ChooseLanguage(WantedLanguages(Env({{"LC_ALL", "C"}, {"LANGUAGE", "de"}}))), QString());
    EXPECT_EQ(ChooseLanguage(WantedLanguages(Env({{"LANG", "POSIX"}, {"LANGUAGE", "fr"}}))), QString());
    // C.UTF-8 is a locale of its own, not a request for no translation.
    EXPECT_EQ(ChooseLanguage(WantedLanguages(Env({{"LANG", "C.UTF-8"}, {"LANGUAGE", "fr"}}))), QStringLiteral("fr"));
    EXPECT_EQ(ChooseLanguage(WantedLanguages(Env({{"LANG", "C.UTF-8"}}))), QString());
}

TEST(Language, TheFirstCarriedLanguageWinsAndEnglishEndsTheSearch) {
    EXPECT_EQ(ChooseLanguage(List({"pt_BR", "pt", "es"})), QStringLiteral("es"));
    EXPECT_EQ(ChooseLanguage(List({"de_CH", "de", "fr"})), QStringLiteral("de"));
    EXPECT_EQ(ChooseLanguage(List({"en_GB", "en", "de"})), QString());
    EXPECT_EQ(ChooseLanguage(List({"it", "nl"})), QString());
    for (const char* lang : {"de", "fr", "es"})
        EXPECT_EQ(ChooseLanguage(List({lang})), QLatin1String(lang)) << lang << " is not carried";
}

QString YesButtonText() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"), QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

// The real compiled files: the game's texts and Qt's standard buttons follow
// the language, and each choice replaces the one before.
TEST(Language, TheGamesAndQtsTranslationsLoadTogether) {
    const QString english = zarvel::HelpText();
    const QString englishYes = YesButtonText();
    ASSERT_EQ(englishYes, QStringLiteral("&Yes"));

    struct Case {
        const char* language;
        const char* helpLine;  // how the translation words "show this help and quit"
        const char* yes;       // Qt's own word on the Yes button
    };
    for (const Case& c : {Case{"de", "diese Hilfe zeigen und beenden", "&Ja"},
                          Case{"fr", "afficher cette aide et quitter", "&Oui"},
                          Case{"es", "mostrar esta ayuda y salir", "&S\u00ed"}}) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(InstallTranslations(*qApp, Env({{"LANGUAGE", c.language}})), QLatin1String(c.language));
        const QString help = zarvel::HelpText();
        EXPECT_TRUE(help.contains(QString::fromUtf8(c.helpLine))) << help.toStdString();
        EXPECT_FALSE(help.contains(QStringLiteral("show this help"))) << help.toStdString();
        EXPECT_EQ(YesButtonText(), QString::fromUtf8(c.yes));
    }

    EXPECT_EQ(InstallTranslations(*qApp, Env({{"LC_ALL", "C"}, {"LANGUAGE", "de"}})), QString());
    EXPECT_EQ(zarvel::HelpText(), english);
    EXPECT_EQ(YesButtonText(), englishYes);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
