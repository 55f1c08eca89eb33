#include <QFileInfo>

#include "SettingsFile.h"
#include "TestEnv.h"

namespace zarvel {
namespace {

class SettingsFileTest : public test::TestEnv {};

TEST_F(SettingsFileTest, EveryKindOfValueReadsBackInTheRunAndAfterReopening) {
    const QString path = Path("nested/dir/OxlZarvel2.ini");  // folders made on the first write
    const QString sound = QString::fromUtf8("/home/zoë/my sounds/a=b.wav");
    {
        SettingsFile f(path);
        EXPECT_TRUE(f.loadError().isEmpty());
        EXPECT_EQ(f.Read("PlayToScore"), "");
        ASSERT_TRUE(f.Write("ZarvelSound", sound));
        ASSERT_TRUE(f.Write("TextColor", "  &HFFFF80 "));
        ASSERT_TRUE(f.WriteNumber("DieColor", -32768));
        ASSERT_TRUE(f.WriteBool("SoundFXOFF", true));
        ASSERT_TRUE(f.WriteBool("SortDice", false));
        EXPECT_EQ(f.Read("soundfxoff"), "-1");
    }
    SettingsFile f(path);
    EXPECT_EQ(f.Read("ZarvelSound"), sound);
    EXPECT_EQ(f.Read("TEXTCOLOR"), "  &HFFFF80 ");
    EXPECT_EQ(f.Read("DieColor"), "-32768");
    EXPECT_EQ(f.Read("SoundFXOFF"), "-1");
    EXPECT_EQ(f.Read("SortDice"), "0");
    EXPECT_EQ(f.Keys(), QStringList({"ZarvelSound", "TextColor", "DieColor", "SoundFXOFF", "SortDice"}));
    EXPECT_EQ(Contents(path).left(7), "[Info]\n");
}

TEST_F(SettingsFileTest, OtherSectionsCommentsAndUnknownKeysSurviveARewrite) {
    const QString path = Path("OxlZarvel2.ini");
    Put(path, "\xEF\xBB\xBF; by hand\r\n[Other]\r\nPlayToScore=1\r\n\r\n[info]\r\nUnknown = kept\r\n"
              "PlayToScore = 7000\r\nPlayToScore=9\r\n\r\n[Last]\r\nx=y\r\n");
    SettingsFile f(path);
    EXPECT_EQ(f.Read("PlayToScore"), " 7000");  // the section's first entry, as written
    EXPECT_EQ(f.Read("x"), "");
    ASSERT_TRUE(f.WriteNumber("PlayToScore", 10000));
    ASSERT_TRUE(f.WriteBool("MarkScorers", false));
    EXPECT_EQ(Contents(path), "\xEF\xBB\xBF; by hand\r\n[Other]\r\nPlayToScore=1\r\n\r\n[info]\r\nUnknown = kept\r\n"
                              "PlayToScore =10000\r\nPlayToScore=9\r\nMarkScorers=0\r\n\r\n[Last]\r\nx=y\r\n");

    Put(path, "[Other]\nA=1");  // no section of ours, no final line end
    SettingsFile g(path);
    ASSERT_TRUE(g.Write("Background", "(None)"));
    EXPECT_EQ(Contents(path), "[Other]\nA=1\n\n[Info]\nBackground=(None)\n");
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFileAndSaysSo) {
    const QString path = Path("OxlZarvel2.ini");
    const QByteArray old = "[Info]\nA=1\n";
    Put(path, old);
    SettingsFile f(path);
    {
        test::FileSizeLimit full(old.size() + 2);
        EXPECT_FALSE(f.Write("Background", "/a/long/path/that/does/not/fit.jpg"));
    }
    EXPECT_EQ(Contents(path), old);
    EXPECT_FALSE(f.writeError().isEmpty());
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), QStringList{"OxlZarvel2.ini"});  // no stray temp file
    // The value holds for this run and reaches the disk with the next write.
    EXPECT_EQ(f.Read("Background"), "/a/long/path/that/does/not/fit.jpg");
    ASSERT_TRUE(f.Write("B", "2"));
    EXPECT_EQ(SettingsFile(path).Read("Background"), "/a/long/path/that/does/not/fit.jpg");

    Put(Path("blocker"), "a file where the folder should be");
    EXPECT_FALSE(SettingsFile(Path("blocker/OxlZarvel2.ini")).Write("A", "1"));
}

TEST_F(SettingsFileTest, LinesThatWouldBreakTheFileAreRefused) {
    const QString path = Path("OxlZarvel2.ini");
    SettingsFile f(path);
    ASSERT_TRUE(f.Write("A", "1"));
    const QByteArray before = Contents(path);
    for (const QString& value : {QString("2\n[Info]\nPlayToScore=10000"), QString("2\r"), QString("\x01"),
                                 QString("2") + QChar(0)})
        EXPECT_FALSE(f.Write("A", value));
    for (const char* key : {"Key=", "", "[Info]", "; note"}) EXPECT_FALSE(f.Write(key, "1")) << key;
    EXPECT_EQ(f.Read("A"), "1");
    EXPECT_EQ(Contents(path), before);
}

TEST_F(SettingsFileTest, AnUnreadableFileGivesDefaultsAMessageAndIsKeptAside) {
    const QString path = Path("OxlZarvel2.ini");
    const QByteArray junks[] = {QByteArray("[Info]\nPlayToScore=10000\n\0\x01\xff", 28),
                                QByteArray("[Info]\nTextColor=\xc3\x28\n")};  // invalid UTF-8
    for (const QByteArray& junk : junks) {
        Put(path, junk);
        Put(path + ".bad", "an earlier copy");
        SettingsFile f(path);
        EXPECT_TRUE(f.loadError().contains(path) && f.loadError().contains("defaults")) << f.loadError().toStdString();
        EXPECT_TRUE(f.Keys().isEmpty());
        EXPECT_EQ(Contents(path), junk);  // opening alone changes nothing

        ASSERT_TRUE(f.WriteNumber("PlayToScore", 5000));
        ASSERT_TRUE(f.WriteNumber("BreakInScore", 1000));  // copied once only
        EXPECT_EQ(f.backupPath(), path + ".bad1");
        EXPECT_EQ(Contents(path + ".bad1"), junk);
        EXPECT_EQ(Contents(path + ".bad"), "an earlier copy");
        EXPECT_EQ(Contents(path), "[Info]\nPlayToScore=5000\nBreakInScore=1000\n");
        QFile::remove(path + ".bad1");
    }
}

TEST_F(SettingsFileTest, AFolderInPlaceOfTheFileIsNeverTouched) {
    const QString path = Path("OxlZarvel2.ini");
    ASSERT_TRUE(QDir().mkpath(path));
    Put(path + "/inside", "x");
    SettingsFile f(path);
    EXPECT_TRUE(f.loadError().contains("folder"));
    EXPECT_FALSE(f.Write("A", "1"));
    EXPECT_EQ(Contents(path + "/inside"), "x");
    EXPECT_EQ(f.Read("A"), "1");
}

}  // namespace
}  // namespace zarvel
