// The Expert's solved tables in the window. A table is read from the cache
// folder, or solved and kept there, on a thread of its own, never on the
// window's: the first time a setting is solved takes seconds, and the game
// goes on meanwhile (only the Expert's turn waits for it). While that takes
// long enough to notice, a small window shows how far it has got.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "Board.h"
#include "Solver.h"

class QDialog;
class QLabel;
class QProgressBar;

namespace zarvel {

class Table;

class ExpertTables : public QObject, public TableListener {
    Q_OBJECT
public:
    // `window`: the main window, which the progress window stands over.
    ExpertTables(Table& table, QWidget* window);
    // Stops a solve under way and waits for its thread.
    ~ExpertTables() override;
    ExpertTables(const ExpertTables&) = delete;
    ExpertTables& operator=(const ExpertTables&) = delete;

    // The table for these rules once it is ready; until then none, and the
    // work on it has started.
    std::shared_ptr<const solver::Table> Get(const solver::Rules& rules);
    // Starts the work on the table for these rules, unless it is ready or
    // under way. Work on another setting's table is given up.
    void Prepare(const solver::Rules& rules);
    bool Ready(const solver::Rules& rules) const;

    // The progress window, while it is shown.
    QDialog* progressWindow() const;
    QProgressBar* progressBar() const { return bar_; }
    // The progress window for the table of games to target that break in
    // at breakIn, over the main window; it deletes itself once closed.
    static QDialog* MakeProgressWindow(QWidget* window, int target, int breakIn);
    // How long the work may take before the progress window shows.
    static constexpr int kProgressAfterMs = 400;

    // A game was seated: one with an Expert seat has its table prepared now.
    void GameSeated() override;

signals:
    // A table has become ready.
    void ready();

private:
    struct Job;
    // Looks at the work under way: a finished job's table is taken in, the
    // progress shown.
    void Poll();
    void ShowProgress();
    void CloseProgress();

    Table& table_;
    QWidget* window_;
    std::map<std::pair<int, int>, std::shared_ptr<const solver::Table>> ready_;
    std::shared_ptr<Job> current_;            // the job of the setting wanted now
    std::vector<std::shared_ptr<Job>> jobs_;  // every job whose thread has not been joined
    QTimer poll_;
    QTimer showLater_;
    QPointer<QDialog> progress_;
    QProgressBar* bar_ = nullptr;
    QLabel* label_ = nullptr;
    std::set<std::pair<int, int>> failed_;  // told once, tried again at the next new game
};

}  // namespace zarvel
