// The game as the program starts it, playing games of computers only for as
// long as it lives: the process test starts it again and again and kills it
// in the middle of play. It answers as a player would (Yes to continuing,
// OK to messages, the winner window closed, a new game after each), and
// says on standard output, one line each, every game it seats ("seated"),
// every state it has saved ("saved") and every game it finished.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "Program.h"
#include "RecordKeeper.h"
#include "Snapshot.h"
#include "frmMain.h"
#include "frmScorePad.h"

namespace {

using namespace zarvel;

void Say(const char* what, const std::string& state = {}) {
    std::string line = what;
    if (!state.empty()) line += ' ';
    for (char c : state) line += c == '\n' ? '|' : c;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

class Reporter : public TableListener {
public:
    explicit Reporter(frmMain& w) : w_(w) {}
    void GameSeated() override { Say("seated", EncodeState(w_.state())); }
    void StateChanged() override {
        const std::string& saved = w_.records().lastSaved();
        if (saved.empty() || saved == said_) return;
        said_ = saved;
        Say("saved", saved);
    }
    void GameOver(int) override { Say("finished"); }

private:
    frmMain& w_;
    std::string said_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<frmMain> window = Main();
    if (!window) return 1;
    frmMain& w = *window;
    // Time is not what this run is about.
    w.pauseFor = [](int) {};
    Reporter reporter(w);
    w.table().AddListener(reporter);

    int game = 0;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->buttons().first())->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->accept();
        } else if (!modal && w.records().offerMade() && !w.state().GameRunning()) {
            // Four computers of every style in turn.
            std::vector<Seat> seats;
            for (int s = 0; s < 4; ++s) seats.push_back({"Bot" + std::to_string(s + 1), true, 1 + (game + s) % 7});
            ++game;
            w.table().SeatGame(seats, 5000, 500);
            w.ShowGameButtons(true);
            w.scorePad().showRebuilt();
        }
    });
    player.start(5);
    return app.exec();
}
