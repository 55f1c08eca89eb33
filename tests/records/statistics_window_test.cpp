// The statistics window through its widgets, offscreen, on a real records
// file; and the texts the records give the player.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include "RecordsFixture.h"
#include "RecordsText.h"
#include "frmStatistics.h"

namespace zarvel {
namespace {

using test::RecordsTest;

// Answers the message boxes the window opens, from the event loop, and
// keeps what they said.
class Answerer {
public:
    explicit Answerer(QMessageBox::StandardButton answer) : answer_(answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == last_) return;
            last_ = box;
            texts.push_back(box->text());
            QAbstractButton* b = box->button(answer_);
            (b ? b : box->buttons().first())->click();
        });
        timer_.start(2);
    }
    QStringList texts;

private:
    QMessageBox::StandardButton answer_;
    QTimer timer_;
    QPointer<QMessageBox> last_;
};

class StatisticsWindow : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        records = Open();
        // Ann: 3 games (2 won), Bob 2 (none); Normal (1) 2 games under two
        // names, Genius (6) 1, and a style this version does not know (9).
        ASSERT_TRUE(records->RecordGame(Game({"Ann", "Bob"}, {5000, 3000}, 0, 5000, 1'700'000'000)));
        ASSERT_TRUE(records->RecordGame(Game({"Ann", "#1"}, {2000, 5500}, 1, 5000, 1'700'100'000)));
        ASSERT_TRUE(records->RecordGame(Game({"Bob", "Ann", "#6"}, {4000, 10400, 900}, 1, 10000, 1'700'200'000)));
        ASSERT_TRUE(records->RecordGame(Game({"#1", "#9"}, {6000, 1000}, 0, 5000, 1'700'300'000)));
    }

    // The shown text of every cell of a table, row by row, as shown.
    static std::vector<QStringList> Cells(const QTableView* grid) {
        std::vector<QStringList> rows;
        const QAbstractItemModel* m = grid->model();
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < m->columnCount(); ++c) row << m->index(r, c).data().toString();
            rows.push_back(row);
        }
        return rows;
    }
    static void ClickHeading(QTableView* grid, int column) {
        QHeaderView* h = grid->horizontalHeader();
        const QPointF at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, h->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(h->viewport(), &e);
        }
    }
    static QStringList Column(const QTableView* grid, int column) {
        QStringList values;
        for (const QStringList& row : Cells(grid)) values << row[column];
        return values;
    }

    std::unique_ptr<Records> records;
};

TEST_F(StatisticsWindow, ShowsEveryPersonAndStyleWithTheirResults) {
    frmStatistics w(*records);
    // Most wins first.
    EXPECT_EQ(Cells(w.grdPlayers), (std::vector<QStringList>{
                                       {"Ann", "3", "2", "66.7", "10400", "5800", "2600", "580.0", "3.3"},
                                       {"Bob", "2", "0", "0.0", "4000", "3500", "1000", "350.0", "5.0"},
                                   }));
    EXPECT_EQ(Cells(w.grdStyles), (std::vector<QStringList>{
                                      {"Normal", "2", "2", "100.0", "6000", "5750", "1500", "575.0", "5.0"},
                                      {"Genius", "1", "0", "0.0", "900", "900", "225", "90.0", "20.0"},
                                      {"Style 9", "1", "0", "0.0", "1000", "1000", "250", "100.0", "10.0"},
                                  }));
    // Ten per target, best first: 5000 then 10000.
    EXPECT_EQ(Cells(w.grdHighScores)[0].mid(0, 4), (QStringList{"1", "Computer (Normal)", "6000", "5000"}));
    EXPECT_EQ(Column(w.grdHighScores, 2), (QStringList{"6000", "5500", "5000", "10400"}));
    EXPECT_FALSE(w.lblNote->isVisibleTo(&w));
    EXPECT_EQ(w.cboTarget->count(), 3);
    EXPECT_EQ(w.cboTarget->currentText(), "All targets");
}

TEST_F(StatisticsWindow, TheTargetFilterNarrowsEveryTable) {
    frmStatistics w(*records);
    w.cboTarget->setCurrentIndex(w.cboTarget->findText("10000"));
    emit w.cboTarget->activated(w.cboTarget->currentIndex());
    EXPECT_EQ(w.target(), 10000);
    EXPECT_EQ(Column(w.grdPlayers, 0), (QStringList{"Ann", "Bob"}));
    EXPECT_EQ(Column(w.grdPlayers, 2), (QStringList{"1", "0"}));
    EXPECT_EQ(Column(w.grdStyles, 0), (QStringList{"Genius"}));
    EXPECT_EQ(Column(w.grdHighScores, 1), (QStringList{"Ann"}));

    // A new game to another target turns up after a refresh; the choice stays.
    ASSERT_TRUE(records->RecordGame(Game({"Cy", "Bob"}, {10100, 0}, 0, 10000)));
    w.Refresh();
    EXPECT_EQ(w.target(), 10000);
    EXPECT_EQ(Column(w.grdHighScores, 1), (QStringList{"Ann", "Cy"}));
}

TEST_F(StatisticsWindow, ColumnsSortAsNumbersByHeadingOrByKeyboard) {
    for (int i = 0; i < 9; ++i) ASSERT_TRUE(records->RecordGame(Game({"Dee", "Bob"}, {5000, 10}, 0)));
    frmStatistics w(*records);
    // Dee's 9 games against Ann's 3 and Bob's 11: as numbers, not text.
    w.show();
    ClickHeading(w.grdPlayers, 1);
    const QStringList once = Column(w.grdPlayers, 1);
    ClickHeading(w.grdPlayers, 1);
    const QStringList twice = Column(w.grdPlayers, 1);
    EXPECT_EQ(std::set<QStringList>({once, twice}),
              (std::set<QStringList>{{"3", "9", "11"}, {"11", "9", "3"}}));

    // The context menu's actions sort by the current cell's column.
    QTableView* grid = w.grdPlayers;
    grid->setCurrentIndex(grid->model()->index(0, 0));
    const QList<QAction*> actions = grid->actions();
    ASSERT_EQ(actions.size(), 2);
    actions[0]->trigger();
    EXPECT_EQ(Column(grid, 0), (QStringList{"Ann", "Bob", "Dee"}));
    actions[1]->trigger();
    EXPECT_EQ(Column(grid, 0), (QStringList{"Dee", "Bob", "Ann"}));
    grid->setCurrentIndex(grid->model()->index(0, 6));  // best turn
    actions[0]->trigger();
    EXPECT_EQ(Column(grid, 6), (QStringList{"1000", "1250", "2600"}));
}

TEST_F(StatisticsWindow, ResetAsksFirstAndNoKeepsEverything) {
    frmStatistics w(*records);
    {
        Answerer no(QMessageBox::No);
        w.cmdReset->click();
        ASSERT_EQ(no.texts.size(), 1);
    }
    EXPECT_EQ(records->Statistics().size(), 5u);
    EXPECT_EQ(w.grdPlayers->model()->rowCount(), 2);

    Answerer yes(QMessageBox::Yes);
    w.cmdReset->click();
    ASSERT_EQ(yes.texts.size(), 1);
    EXPECT_TRUE(yes.texts[0].startsWith("Delete every recorded game?")) << yes.texts[0].toStdString();
    EXPECT_TRUE(records->Statistics().empty());
    EXPECT_EQ(w.grdPlayers->model()->rowCount(), 0);
    EXPECT_EQ(w.grdHighScores->model()->rowCount(), 0);
    EXPECT_EQ(w.cboTarget->count(), 1);
    EXPECT_EQ(w.lblNote->text(), "No games recorded yet.");
    EXPECT_FALSE(w.cmdReset->isEnabled());
}

TEST_F(StatisticsWindow, ExportWritesWhatIsShownWithNamesQuoted) {
    ASSERT_TRUE(records->RecordGame(Game({"=cmd|' /C calc'!A0", "Smith, \"Jo\""}, {5000, 100}, 1)));
    frmStatistics w(*records);
    const QString path = QString::fromStdString((folder / "stats.csv").string());
    w.chooseExportFile = [&] { return path; };
    w.cmdExport->click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString csv = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(csv.startsWith("Target,All targets\r\n\r\nPlayers\r\nName,Games,Wins,Win %,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nAnn,3,2,66.7,10400,5800,2600,580.0,3.3\r\n")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n\"Smith, \"\"Jo\"\"\",1,1,100.0,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\n'=cmd|' /C calc'!A0,1,0,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nComputer styles\r\nStyle,Games,")) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nHigh scores\r\nRank,Name,Score,Target,Date\r\n1,Computer (Normal),6000,5000,")) << csv.toStdString();
    EXPECT_EQ(w.lblNote->text(), "Exported to " + path + ".");
}

TEST_F(StatisticsWindow, AnExportThatCannotBeWrittenSaysSoAndLeavesNothing) {
    frmStatistics w(*records);
    const QString path = QString::fromStdString((folder / "no such folder" / "stats.csv").string());
    w.chooseExportFile = [&] { return path; };
    Answerer ok(QMessageBox::Ok);
    w.cmdExport->click();
    ASSERT_EQ(ok.texts.size(), 1);
    EXPECT_TRUE(ok.texts[0].startsWith("The statistics could not be exported to " + path)) << ok.texts[0].toStdString();
    EXPECT_FALSE(QFile::exists(path));

    // Giving up in the file dialog does nothing.
    w.chooseExportFile = [] { return QString(); };
    w.cmdExport->click();
    EXPECT_EQ(ok.texts.size(), 1);
}

TEST_F(StatisticsWindow, WithoutRecordsItSaysWhyAndOffersNothing) {
    Put(folder / "blocked", "a file where the folder should be");
    auto none = Open((folder / "blocked" / "zarvel.db").string());
    ASSERT_FALSE(none->isOpen());
    frmStatistics w(*none);
    EXPECT_EQ(w.lblNote->text(), "No statistics: the game records could not be opened.");
    EXPECT_FALSE(w.cmdReset->isEnabled());
    EXPECT_FALSE(w.cmdExport->isEnabled());
    EXPECT_EQ(w.grdPlayers->model()->rowCount(), 0);
}

TEST_F(StatisticsWindow, EveryControlHasANameAndTheKeyboardReachesIt) {
    frmStatistics w(*records);
    w.show();
    int controls = 0;
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(child) && !qobject_cast<QComboBox*>(child) &&
            !qobject_cast<QTableView*>(child))
            continue;
        if (child->parentWidget() != &w || !child->isVisibleTo(&w)) continue;  // not a table's own parts
        ++controls;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(child);
        ASSERT_TRUE(a);
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << child->metaObject()->className();
        EXPECT_NE(child->focusPolicy() & Qt::TabFocus, 0) << a->text(QAccessible::Name).toStdString();
    }
    EXPECT_EQ(controls, 7);  // the filter, three tables, three buttons
    // Each table's heading label takes its mnemonic to the table.
    EXPECT_EQ(w.lblPlayers->buddy(), w.grdPlayers);
    EXPECT_EQ(w.lblHighScores->buddy(), w.grdHighScores);
    EXPECT_EQ(w.lblTarget->buddy(), w.cboTarget);

    // For a look at it: ZARVEL_STATISTICS_PNG=file.png
    if (const QByteArray png = qgetenv("ZARVEL_STATISTICS_PNG"); !png.isEmpty()) {
        QApplication::processEvents();
        w.grab().save(QString::fromLocal8Bit(png));
    }
}

TEST(RecordsText, TheQuestionAndTheMessagesNameWhatTheyAreAbout) {
    EXPECT_EQ(ContinueQuestion({"Ann", "Carl", "Fay"}), "Continue the game of Ann, Carl and Fay?");
    EXPECT_EQ(ContinueQuestion({"Ann", "Carl"}), "Continue the game of Ann and Carl?");
    EXPECT_EQ(ContinueQuestion({"Ann"}), "Continue the game of Ann?");
    EXPECT_EQ(ContinueQuestion({"%1", "%2"}), "Continue the game of %1 and %2?");
    EXPECT_EQ(StyleName(6), "Genius");
    EXPECT_EQ(StyleName(8), "Expert");
    EXPECT_EQ(StyleName(9), "Style 9");

    const QString kept = TroubleText({RecordsTrouble::Kind::KeptAside, "/h/z.db", "/h/z.db.bad", "file is not a database"});
    EXPECT_TRUE(kept.contains("/h/z.db.bad") && kept.contains("file is not a database")) << kept.toStdString();
    const QString cannot = TroubleText({RecordsTrouble::Kind::CannotWrite, "/h/z.db", "", "disk is full"});
    EXPECT_TRUE(cannot.contains("/h/z.db") && cannot.contains("disk is full") && cannot.contains("not recorded"))
        << cannot.toStdString();
    EXPECT_TRUE(TroubleText({RecordsTrouble::Kind::Newer, "/h/z.db", "", ""}).contains("newer version"));
}

}  // namespace
}  // namespace zarvel

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());  // numbers as the expectations write them
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
