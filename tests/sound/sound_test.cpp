// The game's sounds as they reach a sound server's output: recorded from
// the monitor of a null sink (run-with-pulse.sh sets one up) and measured.
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtEndian>

#include <cmath>

#include "GuiTest.h"
#include "OptionsTray.h"
#include "SettingKeys.h"
#include "SoundPlayer.h"
#include "Startup.h"
#include "TrayColumn.h"
#include "ARButton.h"
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
        const QString temp = GetTempDir();
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
