// The game's sounds as they reach a sound server's output: recorded from
// the monitor of a null sink (run-with-pulse.sh sets one up) and measured.
#include <QListWidget>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtEndian>

#include <cmath>

#include <signal.h>

#include "GuiTest.h"
#include "OptionsTray.h"
#include "SettingKeys.h"
#include "SoundPlayer.h"
#include "Startup.h"
#include "TrayColumn.h"
#include "ARButton.h"
#include "DiceScript.h"
#include "WaveMaker.h"
#include "frmCustomizeSounds.h"

namespace zarvel::test {
namespace {

constexpr int kRate = 22050;

// What reaches the speakers from now on, as mono 16-bit samples.
class Recording {
public:
    explicit Recording(const QString& sink) {
        parec_.start(QStringLiteral("parec"), QStringLiteral("-d %1.monitor --raw --format=s16le --channels=1 --rate=%2 --latency-msec=20")
                                                  .arg(sink).arg(kRate).split(u' '));
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { data_ += parec_.readAllStandardOutput(); });
    }
    ~Recording() {
        parec_.kill();
        parec_.waitForFinished();
    }
    bool Running() const { return !data_.isEmpty(); }  // the stream has begun
    double Seconds() const { return data_.size() / 2.0 / kRate; }
    // The loudest sample of the last `seconds` recorded.
    double PeakOfLast(double seconds) const { return Peak(std::max(0.0, Seconds() - seconds)); }
    double Peak(double fromSeconds = 0) const {
        double peak = 0;
        for (qsizetype i = qsizetype(fromSeconds * kRate) * 2; i + 1 < data_.size(); i += 2)
            peak = std::max(peak, std::abs(qFromLittleEndian<qint16>(data_.constData() + i) / 32768.0));
        return peak;
    }
    // Seconds from the first to the last clearly sounding sample.
    double LoudSpan() const {
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i + 1 < data_.size(); i += 2)
            if (std::abs(qFromLittleEndian<qint16>(data_.constData() + i)) > 1000) {
                if (first < 0) first = i;
                last = i;
            }
        return first < 0 ? 0 : (last - first) / 2.0 / kRate;
    }

private:
    QProcess parec_;
    QByteArray data_;
};

class Sound : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        sink = qEnvironmentVariable("ZARVEL_TEST_SINK");
        if (sink.isEmpty()) GTEST_SKIP() << "no test sound server: run through tests/sound/run-with-pulse.sh";
    }
    // The game on its built-in sounds, the sound output loaded.
    frmMain& Game(bool soundOff) {
        Settings s;
        const QString temp = CarriedFilesFolder();
        ExtractAllResources(temp);
        ReadSettings(SettingsFile(DefaultSettingsPath()), s, temp);
        s.SoundFXOFF = soundOff;
        frmMain& w = Build(s);
        w.pauseFor = [](int) {};
        w.sound().Preload();
        EXPECT_TRUE(w.sound().Available());
        return w;
    }
    std::unique_ptr<Recording> Record() {
        auto r = std::make_unique<Recording>(sink);
        EXPECT_TRUE(WaitFor([&] { return r->Running(); })) << "nothing recorded from " << sink.toStdString();
        return r;
    }
    QString sink;
};

TEST_F(Sound, WithSoundOffARollIsSilentButTheSoundDialogsTestIsHeard) {
    frmMain& w = Game(true);
    StartTwoPlayerGame(w);
    auto rec = Record();
    double start = rec->Seconds();
    w.table().cmdRoll_Click();
    Idle(1500);
    EXPECT_LT(rec->Peak(start), 0.01);

    start = rec->Seconds();
    bool tested = false;
    Poll poll([&] {
        auto* d = qobject_cast<frmCustomizeSounds*>(QApplication::activeModalWidget());
        if (!d || tested) return;
        tested = true;
        d->lstEvents->setCurrentRow(1);  // Game Over: the longest
        d->cmdTest->click();
        QTimer::singleShot(0, d, &QDialog::reject);
    });
    w.cmdOptions_Click();
    w.trays()->optionsTray()->cmdCustomizeSounds->click();
    ASSERT_TRUE(tested);
    EXPECT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; })) << rec->Peak(start);
}

TEST_F(Sound, WithSoundOnARollIsHeard) {
    frmMain& w = Game(false);
    StartTwoPlayerGame(w);
    auto rec = Record();
    const double start = rec->Seconds();
    w.table().cmdRoll_Click();
    EXPECT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; })) << rec->Peak(start);
}

TEST_F(Sound, ASoundStartedWhileAnotherPlaysIsDropped) {
    frmMain& w = Game(false);
    // The pass chime (0.7 s, about 0.63 s clearly heard), then the game-over
    // fanfare (1.45 s).
    auto rec = Record();
    ASSERT_TRUE(w.sound().Play(QString::fromStdString(w.settings().Passem1Sound)));
    ASSERT_TRUE(WaitFor([&] { return w.sound().AnyPlaying(); }));
    EXPECT_FALSE(w.sound().Play(QString::fromStdString(w.settings().GameOverSound)));
    Idle(2500);
    // Only the chime was heard, not the fanfare after it.
    EXPECT_GT(rec->LoudSpan(), 0.3);
    EXPECT_LT(rec->LoudSpan(), 1.0);
}

}  // namespace
}  // namespace zarvel::test

namespace zarvel::test {
namespace {

// Streams the server holds open for programs (sink inputs).
int OpenStreams() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    pactl.waitForFinished();
    return int(pactl.readAllStandardOutput().count('\n'));
}

// A sound server that stops answering (here: stopped outright) holds up
// neither the game nor its sounds: what was asked for in the meantime is
// given up a while after its length, and once the server answers again
// nothing is left open on it and the next sound is heard.
TEST_F(Sound, AServerThatStopsAnsweringHoldsNothingUpAndIsHeardOnceItAnswers) {
    const int server = qEnvironmentVariableIntValue("ZARVEL_TEST_SOUND_SERVER_PID");
    if (server <= 0) GTEST_SKIP() << "the sound server's process is not known";
    frmMain& w = Game(false);
    const QString move = QString::fromStdString(w.settings().MoveDieSound);
    const QString chime = QString::fromStdString(w.settings().Passem1Sound);
    auto rec = Record();
    double start = rec->Seconds();
    ASSERT_TRUE(w.sound().Play(chime));
    ASSERT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; }));

    ASSERT_EQ(::kill(server, SIGSTOP), 0);
    struct Resume {
        int pid;
        ~Resume() { ::kill(pid, SIGCONT); }
    } resume{server};
    for (int i = 0; i < 24; ++i) {
        ASSERT_TRUE(WaitFor([&] { return !w.sound().AnyPlaying(); }));
        w.sound().Play(move);
    }
    ::kill(server, SIGCONT);

    ASSERT_TRUE(WaitFor([&] { return !w.sound().AnyPlaying() && rec->PeakOfLast(0.06) < 0.02; }));
    start = rec->Seconds();
    ASSERT_TRUE(w.sound().Play(chime));
    EXPECT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; }, 5000)) << rec->Peak(start);
    // The server catches up with what it was sent while stopped before it
    // lets go of it; past every stream's time limit, nothing may be left.
    EXPECT_TRUE(WaitFor([&] { return !w.sound().AnyPlaying() && OpenStreams() == 0; }));
    Idle(1500);
    EXPECT_EQ(OpenStreams(), 0);
}

// Rolls, die moves, passes and the sound dialog's Test, each started as soon
// as the sound before it is over: every one of them is heard, and once they
// are all over no stream is left open on the server.
TEST_F(Sound, TwoHundredSoundsInARowAreAllHeard) {
    frmMain& w = Game(false);
    StartTwoPlayerGame(w);
    frmCustomizeSounds dialog(w.settings(), w.settingsFile(), [&w](const QString& path) { w.PlaySoundFile(path); }, &w);
    dialog.show();
    auto rec = Record();

    int heard = 0;
    // One sound: waits for silence, acts, and listens for the sound.
    const auto sound = [&](const char* what, const std::function<void()>& act) {
        ASSERT_TRUE(WaitFor([&] { return !w.sound().AnyPlaying() && rec->PeakOfLast(0.06) < 0.02; }))
            << "still sounding before " << what << " (sound " << heard + 1 << ")";
        const double start = rec->Seconds();
        act();
        ASSERT_TRUE(w.sound().AnyPlaying()) << what << " (sound " << heard + 1 << ") was not started";
        ASSERT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; }, 5000))
            << what << " (sound " << heard + 1 << ") was not heard: peak " << rec->Peak(start);
        ++heard;
    };
    // Short sounds for Test, so the run stays short.
    const int tested[] = {2, 7, 6, 4};  // Move Dice, Undo, Roll One Die, Pass Dice (w/o points)
    GameState& g = w.state();
    for (int round = 0; heard < 200; ++round) {
        ScriptRoll(*dice, {1, 1, 1, 2, 3, 4});
        sound("a roll", [&] { w.table().cmdRoll_Click(); });
        sound("a die move", [&] { w.table().Picture1_Click(0); });
        g.PlayerScore.fill(0);  // nobody goes out: the game goes on
        sound("a pass", [&] { w.table().cmdPassDice_Click(); });
        dialog.lstEvents->setCurrentRow(tested[round % 4]);
        sound("Test", [&] { dialog.cmdTest->click(); });
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(heard, 200);
    EXPECT_TRUE(WaitFor([&] { return !w.sound().AnyPlaying() && OpenStreams() == 0; })) << OpenStreams() << " streams open";
}

}  // namespace
}  // namespace zarvel::test

namespace zarvel::test {
namespace {

// Wave files the sound library could not be trusted with (rates of 1, 2
// and 8 Hz crashed it when played), or that would take it gigabytes of
// memory: never handed to it, silent, and the game's next sound is heard.
TEST_F(Sound, FilesTheGameDoesNotAcceptAreSilentAndHarmless) {
    frmMain& w = Game(false);
    QStringList files;
    for (quint32 rate : {1u, 2u, 8u}) {
        files << Path(QStringLiteral("rate%1.wav").arg(rate));
        Put(files.last(), Wave({.rate = rate}, QByteArray(2000, '\x40')));
    }
    files << Path("huge.wav");
    {
        QFile f(files.last());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(Wave());
        ASSERT_TRUE(f.resize(qint64(4) << 30));  // sparse: takes no room
    }
    auto rec = Record();
    for (const QString& file : files) {
        EXPECT_FALSE(w.sound().Play(file)) << file.toStdString();
        EXPECT_FALSE(w.sound().AnyPlaying());
    }
    const double start = rec->Seconds();
    ASSERT_TRUE(w.sound().Play(QString::fromStdString(w.settings().Passem1Sound)));
    EXPECT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; })) << rec->Peak(start);
}

// The sound dialog takes the file the player chose, and says why it will
// not be heard.
TEST_F(GuiTest, TheSoundDialogSaysWhyAChosenFileWillNotBeHeard) {
    Put(Path("slow.wav"), Wave({.rate = 2}, QByteArray(100, '\x40')));
    Put(Path("fine.wav"), Wave());
    frmMain& w = Build();
    frmCustomizeSounds dialog(w.settings(), w.settingsFile(), [](const QString&) {}, &w);
    ModalAnswerer answers;
    dialog.lstEvents->setCurrentRow(7);
    dialog.chooseWaveFile = [&](const QString&) { return Path("slow.wav"); };
    dialog.cmdBrowse->click();
    ASSERT_EQ(answers.seen().size(), 1);
    EXPECT_TRUE(answers.seen()[0].text.contains("slow.wav") && answers.seen()[0].text.contains("2 Hz"))
        << answers.seen()[0].text.toStdString();
    EXPECT_EQ(dialog.EventSound[7], Path("slow.wav"));  // taken all the same
    dialog.chooseWaveFile = [&](const QString&) { return Path("fine.wav"); };
    dialog.cmdBrowse->click();
    EXPECT_EQ(answers.seen().size(), 1);  // nothing to say
    EXPECT_EQ(dialog.txtSound->text(), "fine.wav");
}

}  // namespace
}  // namespace zarvel::test
