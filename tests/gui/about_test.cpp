// The about box, the credits window and the help, through their windows.
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextTable>
#include <set>

#include "ARButton.h"
#include "GuiTest.h"
#include "Notation.h"
#include "Scoring.h"
#include "frmAbout.h"
#include "frmCredits.h"
#include "frmHelp.h"

namespace zarvel::test {
namespace {

void Mouse(QWidget* w, QEvent::Type type) {
    const QPointF at = QRectF(w->rect()).center();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w) {
    Mouse(w, QEvent::MouseButtonPress);
    Mouse(w, QEvent::MouseButtonRelease);
}

class About : public GuiTest {
protected:
    // The about box over a window on these settings, owned by the window;
    // the links it opens are kept.
    frmAbout& Open(const Settings& s = Settings()) {
        auto* about = new frmAbout(Build(s), window.get());
        about->openLink = [this](const QString& target) { opened << target; };
        about->show();
        return *about;
    }
    QStringList opened;
};

TEST_F(About, SystemInfoStartsTheFirstProgramFoundOrSaysThereIsNone) {
    frmAbout* about = &Open();
    QStringList asked, started;
    bool startWorks = true;
    QString installed;  // the one program "on PATH"
    about->sysInfo.findOnPath = [&](const QString& name) {
        asked << name;
        return name == installed ? QStringLiteral("/opt/bin/") + name : QString();
    };
    about->sysInfo.start = [&](const QString& path) {
        started << path;
        return startWorks;
    };
    ModalAnswerer answers(QMessageBox::Ok, false);

    // Nothing on PATH: the message, OK only, and nothing started.
    about->cmdSysInfo->click();
    EXPECT_EQ(asked, SysInfo::kCandidates);
    EXPECT_TRUE(started.isEmpty());
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_EQ(answers.seen()[0].text, QStringLiteral("System Information Is Unavailable At This Time"));

    // One found: started, without a message.
    installed = SysInfo::kCandidates.last();
    about->StartSysInfo();
    EXPECT_EQ(started, QStringList{QStringLiteral("/opt/bin/") + installed});
    EXPECT_EQ(answers.seen().size(), 1);

    // Found but it would not start: the message after all.
    startWorks = false;
    about->StartSysInfo();
    EXPECT_EQ(answers.seen().size(), 2);
}

TEST_F(About, TheDiceRattleWithSoundOffAndF12TellsTheJoke) {
    Settings s;
    s.SoundFXOFF = true;
    s.MultiDieSound = "/sounds/many.wav";
    s.OneDieSound = "/sounds/one.wav";
    frmAbout* about = &Open(s);
    frmMain& w = *window;
    QStringList played;
    w.onPlaySound = [&](const QString& path) { played << path; };
    ModalAnswerer answers(QMessageBox::Ok, false);

    Click(about->Picture1);
    Click(about->Picture2);
    EXPECT_EQ(played, (QStringList{QStringLiteral("/sounds/many.wav"), QStringLiteral("/sounds/one.wav")}));
    EXPECT_TRUE(answers.seen().isEmpty());

    QKeyEvent down(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&w, &down);
    Click(about->Picture1);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&w, &up);
    EXPECT_EQ(answers.seen().size(), 5);
    EXPECT_EQ(played.size(), 3);
}

TEST_F(About, LinksAreRedOnlyUnderTheMouseAndOpenTheMakersSiteAndMail) {
    frmAbout* about = &Open();
    auto colour = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
    Mouse(about->lblURL, QEvent::MouseMove);
    EXPECT_EQ(colour(about->lblURL), frmAbout::LinkHotColour());
    EXPECT_EQ(colour(about->lblMail), frmAbout::LinkColour());
    Mouse(about->fraWeb, QEvent::MouseMove);
    Mouse(about->lblMail, QEvent::MouseMove);
    EXPECT_EQ(colour(about->lblURL), frmAbout::LinkColour());
    EXPECT_EQ(colour(about->lblMail), frmAbout::LinkHotColour());
    Mouse(about->fraLinks, QEvent::MouseMove);
    EXPECT_EQ(colour(about->lblMail), frmAbout::LinkColour());

    Click(about->lblURL);
    Click(about->lblMail);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(QUrl::fromUserInput(opened[0]).host(), QLatin1String(kMakerWeb));
    EXPECT_EQ(opened[1], QStringLiteral("mailto:") + QLatin1String(kMakerMail));
}

TEST_F(About, CreditsClosedByOkOrByTheFrameStopAndAreGone) {
    frmAbout* about = &Open();
    for (const bool byOk : {true, false}) {
        QPointer<frmCredits> credits;
        QPointer<QTimer> timer;
        Poll poll([&] {
            auto* c = qobject_cast<frmCredits*>(QApplication::activeModalWidget());
            if (!c || credits || !c->timer()->isActive()) return;  // not yet scrolling
            credits = c;
            timer = c->timer();
            if (byOk)
                c->ARButton1->click();
            else
                c->close();  // what the frame's close box does
        });
        about->cmdCredits->click();  // back once the credits have closed
        EXPECT_TRUE(timer.isNull() && credits.isNull()) << (byOk ? "OK" : "frame");
        EXPECT_TRUE(about->findChildren<QTimer*>().isEmpty());
    }
}

TEST_F(About, CreditsClimbOnePixelPerStepAndStartAgainAtTheBottom) {
    Build();
    auto* c = new frmCredits(QStringLiteral("Ann"), QStringLiteral("Bob"), window.get());  // the window's
    c->ScrollCredits();
    c->timer()->stop();  // the steps are counted here
    const int area = c->picScroll->height(), height = c->textHeight();
    ASSERT_GT(height, area);  // the text is longer than the area
    EXPECT_EQ(c->textRect().top(), area);
    EXPECT_EQ(c->textRect().height(), height);
    for (int k = 0; k < 100; ++k) c->Step();
    EXPECT_EQ(c->textRect().top(), area - 100);
    // Its last line leaves the top after area + height steps in all...
    for (int k = 100; k < area + height; ++k) c->Step();
    EXPECT_EQ(c->textRect().top(), -height);
    // ...and the next step puts it back at the bottom edge.
    c->Step();
    EXPECT_EQ(c->textRect().top(), area);
}

TEST_F(About, ThePairGetsItsOwnCreditsInEitherOrderAndAnyCapitals) {
    frmMain& w = Build();
    // The names of the game at the table, as the about box passes them on.
    auto credits = [&](const char* first, const char* second) {
        w.table().SeatGame({{first, false, 1}, {second, false, 1}}, 5000, 500);
        frmAbout about(w, &w);
        QString seen;
        Poll poll([&] {
            if (auto* c = qobject_cast<frmCredits*>(QApplication::activeModalWidget()); c && seen.isEmpty()) {
                seen = c->lblHeading->text() + u'|' + c->text();
                c->close();
            }
        });
        about.cmdCredits_Click();
        return seen;
    };
    const QString usual = credits("Ann", "Bob");
    EXPECT_TRUE(usual.startsWith(QStringLiteral("Credits & Stuff|")));
    const QString theirs = credits("Marisol", "Tobin");
    EXPECT_NE(theirs, usual);
    EXPECT_EQ(credits("tobin", "MARISOL"), theirs);
    EXPECT_EQ(credits("mArIsOl", "tObIn"), theirs);
    // Both names, in seats 0 and 1.
    EXPECT_EQ(credits("Marisol", "Marisol"), usual);
    EXPECT_EQ(credits("Marisol", "Bob"), usual);
}

TEST_F(About, EveryControlHasAName) {
    frmAbout* about = &Open();
    const std::initializer_list<QWidget*> boxes{about, new frmCredits(QString(), QString(), window.get())};
    for (QWidget* box : boxes)
        for (QWidget* control : box->findChildren<QWidget*>())
            EXPECT_FALSE(control->accessibleName().isEmpty()) << qPrintable(control->objectName());
}

// ---- help ---------------------------------------------------------------------------

QString CellText(QTextTable* table, int row, int column) {
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor c = cell.firstCursorPosition();
    c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return c.selectedText().trimmed();
}

TEST(Help, TheScoringTableAgreesWithTheScoringCode) {
    frmHelp help;
    help.ShowTopic(1);
    QTextTable* table = nullptr;
    for (QTextFrame* f : help.browser()->document()->rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f); t && CellText(t, 0, 0) == QStringLiteral("Dice"))
            table = t;
    ASSERT_TRUE(table);
    ASSERT_EQ(CellText(table, 0, table->columns() - 1), QStringLiteral("Points"));

    std::set<std::string> seen;
    for (int row = 1; row < table->rows(); ++row) {
        const QString dice = CellText(table, row, 0);
        Faces faces{};
        int n = 0;
        for (const QString& face : dice.split(u' ', Qt::SkipEmptyParts)) faces[n++] = face.toInt();
        const Codes codes = ScoreRoll(faces, n);
        int points = 0;
        std::set<std::string> groups;
        for (int i = 0; i < n; ++i) {
            const std::string code = Letters(codes[i]);
            EXPECT_TRUE(codes[i].Scores()) << "die " << i << " of " << dice.toStdString();
            if (!codes[i].IsGroup() || groups.insert(code).second) points += codes[i].Points();
            seen.insert(code);
        }
        EXPECT_EQ(QString::number(points), CellText(table, row, table->columns() - 1)) << dice.toStdString();
    }
    // Every combination the scoring code knows has its row.
    for (char c = 'a'; c <= 'z'; ++c) EXPECT_TRUE(seen.count(std::string(1, c))) << c;
    EXPECT_TRUE(seen.count("1") && seen.count("5"));
}

TEST(Help, OpensAtHowToPlayAndAtTheLicenceWithTheTitleFilledIn) {
    frmHelp help;
    for (const int topic : {1, 7}) {
        help.ShowTopic(topic);
        EXPECT_EQ(help.browser()->source().fragment(), QStringLiteral("topic%1").arg(topic));
        const QString text = help.browser()->document()->toPlainText();
        EXPECT_TRUE(text.contains(QLatin1String(kTitle)));
        EXPECT_FALSE(text.contains(u'$')) << "a name left unfilled in topic " << topic;
        EXPECT_TRUE(text.contains(topic == 1 ? QStringLiteral("Breaking in") : QStringLiteral("License Agreement")));
    }
}

}  // namespace
}  // namespace zarvel::test
