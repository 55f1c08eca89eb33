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
        parec_.start(QStringLiteral("parec"), {QStringLiteral("-d"), sink + QStringLiteral(".monitor"),
                                               QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                               QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(kRate),
                                               QStringLiteral("--latency-msec=20")});
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

// A plain tone as a 16-bit mono wave file.
void WriteTone(const QString& path, double seconds, double hertz) {
    const int n = int(seconds * kRate);
    QByteArray pcm(n * 2, '\0');
    for (int i = 0; i < n; ++i)
        qToLittleEndian<qint16>(qint16(12000 * std::sin(2 * M_PI * hertz * i / kRate)), pcm.data() + 2 * i);
    QByteArray wav("RIFF");
    auto put32 = [&](quint32 v) { wav.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](quint16 v) { wav.append(reinterpret_cast<const char*>(&v), 2); };
    put32(quint32(36 + pcm.size()));
    wav += "WAVEfmt ";
    put32(16), put16(1), put16(1), put32(kRate), put32(kRate * 2), put16(2), put16(16);
    wav += "data";
    put32(quint32(pcm.size()));
    wav += pcm;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wav);
}

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

TEST_F(Sound, ARollIsHeardWithSoundOnAndNothingWithSoundOff) {
    for (bool off : {true, false}) {
        frmMain& w = Game(off);
        StartTwoPlayerGame(w);
        auto rec = Record();
        const double start = rec->Seconds();
        w.table().cmdRoll_Click();
        if (off) {
            Idle(1500);
            EXPECT_LT(rec->Peak(start), 0.01);
        } else {
            EXPECT_TRUE(WaitFor([&] { return rec->Peak(start) > 0.1; })) << rec->Peak(start);
        }
        w.state().CurrentPlayer = kNone;
        window.reset();
    }
}

TEST_F(Sound, TheSoundDialogsTestIsHeardWithSoundOff) {
    frmMain& w = Game(true);
    auto rec = Record();
    const double start = rec->Seconds();
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

TEST_F(Sound, ASoundStartedWhileAnotherPlaysIsDropped) {
    frmMain& w = Game(false);
    const QString shortTone = tempDir + QStringLiteral("/short.wav"), longTone = tempDir + QStringLiteral("/long.wav");
    WriteTone(shortTone, 0.5, 440);
    WriteTone(longTone, 1.6, 880);
    auto rec = Record();
    ASSERT_TRUE(w.sound().Play(shortTone));
    ASSERT_TRUE(WaitFor([&] { return w.sound().AnyPlaying(); }));
    EXPECT_FALSE(w.sound().Play(longTone));
    Idle(2500);
    // Only the short tone was heard, not the long one after it.
    EXPECT_GT(rec->LoudSpan(), 0.3);
    EXPECT_LT(rec->LoudSpan(), 1.0);
}

}  // namespace
}  // namespace zarvel::test
