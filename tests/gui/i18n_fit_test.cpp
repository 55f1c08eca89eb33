// Every window in each language the game speaks, loaded from the real
// compiled translations, at every zoom step: no text wider than its control
// (word-wrapped ones no taller). One test per language, so a translator
// runs theirs alone: --gtest_filter='I18nFit.de'. A text a translation
// lacks is shown in English, so the test runs on unfinished files too.
#include "Fit.h"
#include "GuiTest.h"
#include "Language.h"
#include "frmHelp.h"

namespace zarvel::test {
namespace {

class I18nFit : public GuiTest {
protected:
    void TearDown() override {
        Speak("en");
        GuiTest::TearDown();
    }

    void Speak(const QString& lang) {
        QProcessEnvironment env;
        if (lang == QLatin1String("en"))
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        else
            env.insert(QStringLiteral("LANGUAGE"), lang);
        const QString chosen = InstallTranslations(*qApp, env);
        if (lang != QLatin1String("en")) {
            ASSERT_EQ(chosen, lang) << "no compiled translation for " << lang.toStdString();
        }
    }

    // Notes what does not fit in a window, with the language, zoom and window.
    void Look(QWidget* root, const QString& window) {
        for (const QString& p : TooWide(root))
            problems_ << QStringLiteral("%1 at %2 %, %3: %4").arg(lang_).arg(ZoomPercent()).arg(window, p);
    }

    void Walk(const char* lang) {
        lang_ = QLatin1String(lang);
        Speak(lang_);
        if (HasFatalFailure()) return;
        frmMain& w = Build();  // which also sets up its dice
        LookAtEveryWindow(w, *dice, [this](QWidget* root, const QString& window) { Look(root, window); });
        // The help in the language's own page, where the game carries one.
        frmHelp help;
        help.ShowTopic(1);
        if (lang_ != QLatin1String("en")) {
            EXPECT_TRUE(help.browser()->source().path().endsWith(QStringLiteral("_%1.html").arg(lang_)))
                << help.browser()->source().toString().toStdString();
        }
        EXPECT_TRUE(problems_.isEmpty()) << problems_.size() << " texts do not fit:\n"
                                         << problems_.join(u'\n').toStdString();
    }

    QString lang_;
    QStringList problems_;
};

TEST_F(I18nFit, en) { Walk("en"); }
TEST_F(I18nFit, de) { Walk("de"); }
TEST_F(I18nFit, fr) { Walk("fr"); }
TEST_F(I18nFit, es) { Walk("es"); }

}  // namespace
}  // namespace zarvel::test
