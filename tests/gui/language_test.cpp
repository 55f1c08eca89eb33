// The windows in another language: what they store and how they decide
// must not depend on the words they show. Besides the real German file, a
// marking translator wraps every text in « », so every shown text differs
// from its English source whether or not the German file has it yet.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTableView>
#include <QTranslator>

#include "ARButton.h"
#include "ComputerDriver.h"
#include "GuiTest.h"
#include "Language.h"
#include "Records.h"
#include "Styles.h"
#include "ThemeTray.h"
#include "TrayColumn.h"
#include "frmHelp.h"
#include "frmStatistics.h"
#include "frmScorePad.h"

namespace zarvel::test {
namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'\u00ab' + QString::fromUtf8(source) + u'\u00bb';
    }
    bool isEmpty() const override { return false; }
};

class Languages : public GuiTest {
protected:
    void TearDown() override {
        English();
        GuiTest::TearDown();
    }
    void German() {
        QProcessEnvironment env;
        env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        ASSERT_EQ(InstallTranslations(*qApp, env), QStringLiteral("de"));
        QCoreApplication::installTranslator(&marking_);
    }
    void English() {
        QCoreApplication::removeTranslator(&marking_);
        QProcessEnvironment env;
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        InstallTranslations(*qApp, env);
    }
    ThemeTray& OpenTheme(frmMain& w) {
        w.cmdSkins_Click();
        return *w.trays()->themeTray();
    }
    static QString Stored(const char* key) { return SettingsFile(DefaultSettingsPath()).Read(QLatin1String(key)); }

    MarkingTranslator marking_;
};

TEST_F(Languages, ThemeChoicesSavedInGermanReadTheSameInEnglish) {
    German();
    {
        frmMain& w = BuildStarted();
        ThemeTray& t = OpenTheme(w);
        // The lists show the translated names...
        EXPECT_EQ(t.cboDiceColor->itemText(0), QStringLiteral("\u00abBlue\u00bb"));
        EXPECT_EQ(t.lstBackground->item(0)->text(), QStringLiteral("\u00ab(None)\u00bb"));
        // ...and store what they stand for.
        t.cboDiceColor->setCurrentIndex(t.cboDiceColor->findData(160));
        t.cboDiceColor_Click();
        t.lstBackground->setCurrentRow(7);  // Old Glory
        t.ARCmdSaveTheme->click();
        EXPECT_EQ(Stored("DieColor"), QStringLiteral("160"));
        EXPECT_EQ(Stored("Background"), CarriedFilesFolder() + QStringLiteral("2xuvsk7.jpg"));
        EXPECT_EQ(Stored("TextColor"), QStringLiteral("&HFF"));  // the colour chosen with Old Glory

        // The German tray finds what it stored.
        OpenTheme(w);
        EXPECT_EQ(t.lstBackground->currentRow(), 7);
        t.ARCmdCancelTheme->click();
    }
    window.reset();
    English();
    {
        frmMain& w = BuildStarted();
        ThemeTray& t = OpenTheme(w);
        EXPECT_EQ(t.cboDiceColor->currentText(), QStringLiteral("Keys"));
        ASSERT_NE(t.lstBackground->currentItem(), nullptr);
        EXPECT_EQ(t.lstBackground->currentItem()->text(), QStringLiteral("Old Glory"));
        t.ARCmdCancelTheme->click();
    }
    window.reset();
    // No picture is stored as such, whatever the list calls it.
    German();
    frmMain& w = BuildStarted();
    ThemeTray& t = OpenTheme(w);
    t.lstBackground->setCurrentRow(0);
    t.ARCmdSaveTheme->click();
    EXPECT_EQ(Stored("Background"), QStringLiteral("(None)"));
}

TEST_F(Languages, AStyleChosenInGermanIsTheSameStyleAndPlayersKeepTheirNames) {
    German();
    frmMain& w = BuildStarted();
    std::vector<Seat> seats;
    QString shown;
    ASSERT_TRUE(WithNewGame(w, [&](frmNewGame& d) {
        d.optNumPlayers[1]->click();
        d.TxtPlayerName[0]->setText(QStringLiteral("Ann"));
        d.chkComputer[0]->setChecked(true);
        d.cboStyle[0]->setCurrentIndex(7);
        shown = d.cboStyle[0]->currentText();
        seats = d.Seats();
        d.cmdCancel->click();
    }));
    EXPECT_EQ(shown, QStringLiteral("\u00abExpert\u00bb"));
    ASSERT_EQ(seats.size(), 2u);
    EXPECT_EQ(seats[0].name, "Ann");
    EXPECT_EQ(seats[0].style, StyleCode("Expert"));
    // The seat the dialog fills in for an empty name is a stored name too.
    EXPECT_EQ(seats[1].name, "Player2");
    // A style named as shown or as stored is the same style.
    EXPECT_EQ(frmNewGame::StyleCode(shown), StyleCode("Expert"));
    EXPECT_EQ(frmNewGame::StyleCode(QStringLiteral("Cautious")), StyleCode("Cautious"));
}

TEST_F(Languages, TranslatedCaptionsKeepTheirRoles) {
    German();
    frmMain& w = BuildStarted();
    StartTwoPlayerGame(w);
    // The pad alternates the target with the break-in while someone is not
    // yet on the board, in any language.
    frmScorePad& pad = w.scorePad();
    pad.Form_Activate();
    const QString target = pad.lblGoal->text();
    EXPECT_TRUE(target.startsWith(u'\u00ab')) << target.toStdString();
    pad.Timer1_Timer();
    const QString breakIn = pad.lblGoal->text();
    EXPECT_NE(breakIn, target);
    pad.Timer1_Timer();
    EXPECT_EQ(pad.lblGoal->text(), target);

    // Headings keep their dark blue whatever the text colour.
    w.gameTray()->ColourLabels(0xFF);
    EXPECT_EQ(w.gameTray()->lblSampleDice->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    EXPECT_EQ(w.gameTray()->lblCurrentPlayer->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

// The names' column takes what the numbers leave, and never less than its
// heading: a window too narrow for both scrolls the table sideways instead.
TEST_F(Languages, TheStatisticsKeepRoomForTheNamesHeading) {
    German();
    frmMain& w = BuildStarted();
    Records records;
    struct Seen {
        int window, view, names, heading, numbers;
    };
    const auto open = [&](int width) {
        frmStatistics statistics(records, &w);
        statistics.resize(width, statistics.height());
        statistics.show();
        const QHeaderView* h = statistics.grdPlayers->horizontalHeader();
        const QWidget* view = statistics.grdPlayers->viewport();
        // The header lays its sections out a moment after the view has its size.
        EXPECT_TRUE(WaitFor([&] { return h->length() >= view->width(); }));
        int numbers = 0;
        for (int s = 1; s < h->count(); ++s) numbers += h->sectionSize(s);
        return Seen{statistics.width(), view->width(), h->sectionSize(0), h->sectionSizeHint(0), numbers};
    };
    const Seen wide = open(2000);
    EXPECT_EQ(wide.names + wide.numbers, wide.view);
    // Room for the numbers and half the names' heading.
    const Seen tight = open(wide.window - wide.view + wide.numbers + wide.heading / 2);
    EXPECT_LT(tight.view, tight.numbers + tight.heading);
    EXPECT_GE(tight.names, tight.heading);
}

TEST_F(Languages, TheHelpIsReadInTheGamesLanguageOrInEnglish) {
    EXPECT_EQ(frmHelp::HelpFile(QString()), QStringLiteral("qrc:/help/zarvel-help.html"));
    for (const char* lang : {"de", "fr", "es"})
        EXPECT_EQ(frmHelp::HelpFile(QLatin1String(lang)), QStringLiteral("qrc:/help/zarvel-help_%1.html").arg(QLatin1String(lang)));
    EXPECT_EQ(frmHelp::HelpFile(QStringLiteral("it")), QStringLiteral("qrc:/help/zarvel-help.html"));

    German();
    EXPECT_EQ(ChosenLanguage(), QStringLiteral("de"));
    frmHelp help;
    help.ShowTopic(1);
    EXPECT_EQ(help.browser()->source().path(), QStringLiteral("/help/zarvel-help_de.html"));
    // The licence stays the one English page.
    help.ShowTopic(7);
    EXPECT_EQ(help.browser()->source().path(), QStringLiteral("/help/zarvel-licence.html"));
    English();
    EXPECT_EQ(ChosenLanguage(), QString());
    help.ShowTopic(1);
    EXPECT_EQ(help.browser()->source().path(), QStringLiteral("/help/zarvel-help.html"));
}

}  // namespace
}  // namespace zarvel::test
