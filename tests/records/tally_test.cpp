// The tally the shell feeds during play, and the CSV fields of the export.
#include <gtest/gtest.h>

#include <array>

#include "Csv.h"
#include "GameRecord.h"

namespace zarvel {
namespace {

TEST(GameTally, CountsTurnsBestTurnsZarvelsAndTheFirstToGoOut) {
    GameTally t;
    t.Start({Player{"Ann"}, Player{"Computer", 3}, Player{"Fay"}}, 5000, 1000);
    t.Banked(0, 1200);
    t.Zarvel(1);
    t.Banked(2, 350);
    t.Banked(0, 3900);  // Ann reaches 5100 and goes out
    t.WentOut(0);
    t.Banked(1, 2000);
    t.WentOut(1);  // nobody goes out after the first
    t.Zarvel(2);
    t.Banked(7, 500);  // no such seat: ignored

    const std::array<std::int32_t, 3> scores{5100, 2000, 350};
    const std::optional<GameRecord> r = t.Finish(0, scores, 1234);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->finishedAt, 1234);
    EXPECT_EQ(r->target, 5000);
    EXPECT_EQ(r->breakIn, 1000);
    EXPECT_EQ(r->winner, 0);
    EXPECT_EQ(r->wentOut, 0);
    EXPECT_EQ(r->turns, 6);
    ASSERT_EQ(r->seats.size(), 3u);
    EXPECT_EQ(r->seats[0], (SeatRecord{Player{"Ann"}, 5100, 3900, 2, 0}));
    EXPECT_EQ(r->seats[1], (SeatRecord{Player{"Computer", 3}, 2000, 2000, 2, 1}));
    EXPECT_EQ(r->seats[2], (SeatRecord{Player{"Fay"}, 350, 350, 2, 1}));
    EXPECT_DOUBLE_EQ(r->seats[0].PointsPerTurn(), 2550.0);
    EXPECT_DOUBLE_EQ(r->seats[2].PointsPerTurn(), 175.0);
}

TEST(GameTally, TheGamesOwnScoresWinAndAGameIsFinishedOnce) {
    GameTally t;
    t.Start({Player{"Ann"}, Player{"Bob"}}, 10000, 500);
    t.Banked(0, 600);
    t.Banked(1, 700);
    // Only Ann's score is given: Bob keeps what was banked.
    const std::array<std::int32_t, 1> scores{650};
    const auto r = t.Finish(1, scores, 1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->seats[0].finalScore, 650);
    EXPECT_EQ(r->seats[1].finalScore, 700);
    EXPECT_FALSE(t.started());
    EXPECT_FALSE(t.Finish(1, scores, 2));
}

TEST(GameTally, TestGamesAndBadWinnersRecordNothing) {
    GameTally t;
    t.Start({Player{"Computer", 1}, Player{"Computer", 2}}, 5000, 500, false);
    t.Banked(0, 5000);
    EXPECT_EQ(t.progress().turns, 0);
    EXPECT_FALSE(t.Finish(0, {}, 1));

    t.Start({Player{"Ann"}, Player{"Bob"}}, 5000, 500);
    EXPECT_FALSE(t.Finish(2, {}, 1));
    EXPECT_FALSE(GameTally().Finish(0, {}, 1));
}

TEST(GameTally, CarriesOnFromWhatASavedGameKept) {
    GameTally t;
    t.Start({Player{"Ann"}, Player{"Bob"}}, 5000, 500);
    t.Banked(0, 800);
    GameTally resumed(t.progress(), t.recorded());
    EXPECT_EQ(resumed, t);
    resumed.Banked(0, 900);
    const auto r = resumed.Finish(0, {}, 1);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->seats[0].turns, 2);
    EXPECT_EQ(r->seats[0].finalScore, 1700);
    EXPECT_EQ(r->seats[0].bestTurn, 900);
}

TEST(Csv, QuotesWhatMustBeQuotedAndDisarmsFormulas) {
    EXPECT_EQ(CsvField("Ann"), "Ann");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("Ann, Bob"), "\"Ann, Bob\"");
    EXPECT_EQ(CsvField("The \"Ace\""), "\"The \"\"Ace\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField(" Ann"), "\" Ann\"");
    EXPECT_EQ(CsvField("Zoë"), "Zoë");
    // A name that a spreadsheet would run.
    EXPECT_EQ(CsvField("=HYPERLINK(\"x\")"), "\"'=HYPERLINK(\"\"x\"\")\"");
    EXPECT_EQ(CsvField("@Ann"), "'@Ann");
    EXPECT_EQ(CsvField("-Ann"), "'-Ann");
    EXPECT_EQ(CsvField("\tAnn"), "'\tAnn");
    // Numbers stay numbers.
    EXPECT_EQ(CsvField("-12.5"), "-12.5");
    EXPECT_EQ(CsvField("62.5"), "62.5");
    EXPECT_EQ(CsvLine({"Ann", "3", "a,b"}), "Ann,3,\"a,b\"\r\n");
}

}  // namespace
}  // namespace zarvel
