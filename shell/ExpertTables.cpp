#include "ExpertTables.h"

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QThread>
#include <atomic>
#include <exception>
#include <system_error>
#include <thread>

#include "Catalogue.h"
#include "Expert.h"
#include "Fonts.h"
#include "Table.h"
#include "TableCache.h"
#include "Twips.h"
#include "WindowPlace.h"

namespace zarvel {

namespace {

// How often the window looks at the work under way.
constexpr int kPollMs = 100;

// Thrown from the progress report to stop a solve that is no longer
// wanted; TableFor lets it through and keeps nothing.
struct Stopped {};

std::pair<int, int> Key(const solver::Rules& rules) { return {rules.target, rules.breakIn}; }

}  // namespace

// One table's work, shared by the window and the thread doing it.
struct ExpertTables::Job {
    solver::Rules rules;
    std::atomic<double> done{0};
    std::atomic<bool> stop{false};
    std::atomic<bool> finished{false};
    // Set by the thread before `finished`; read only once it is.
    std::shared_ptr<const solver::Table> table;
    std::string failure;
    std::thread thread;
};

ExpertTables::ExpertTables(Table& table, QWidget* window) : table_(table), window_(window) {
    table_.AddListener(*this);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ExpertTables::Poll);
    showLater_.setSingleShot(true);
    showLater_.setInterval(kProgressAfterMs);
    connect(&showLater_, &QTimer::timeout, this, &ExpertTables::ShowProgress);
}

ExpertTables::~ExpertTables() {
    table_.RemoveListener(*this);
    for (const auto& job : jobs_) job->stop = true;
    for (const auto& job : jobs_)
        if (job->thread.joinable()) job->thread.join();
    delete progress_.data();
}

QDialog* ExpertTables::progressWindow() const { return progress_.data(); }

bool ExpertTables::Ready(const solver::Rules& rules) const { return ready_.count(Key(rules)) > 0; }

std::shared_ptr<const solver::Table> ExpertTables::Get(const solver::Rules& rules) {
    const auto it = ready_.find(Key(rules));
    if (it != ready_.end()) return it->second;
    Prepare(rules);
    return nullptr;
}

void ExpertTables::GameSeated() {
    failed_.clear();  // a new game tries again
    const GameState& g = table_.state();
    for (int p = 0; p < g.NumPlayers && p < kSeats; ++p)
        if (g.PlayerIsComputer[std::size_t(p)] && g.PlayerStyle[std::size_t(p)] == style::Expert) {
            Prepare(RulesOf(g));
            return;
        }
}

void ExpertTables::Prepare(const solver::Rules& rules) {
    if (Ready(rules) || !solver::RulesFit(rules) || failed_.count(Key(rules))) return;
    if (current_ && current_->rules == rules) return;
    if (current_) current_->stop = true;  // another setting is wanted now

    auto job = std::make_shared<Job>();
    job->rules = rules;
    const std::string folder = solver::DefaultCacheFolder();
    const int threads = std::max(1, QThread::idealThreadCount());
    auto work = [job, folder, threads] {
        try {
            job->table = solver::TableFor(
                job->rules, folder,
                [&job = *job](double done) {
                    if (job.stop) throw Stopped{};
                    job.done = done;
                },
                threads);
        } catch (const Stopped&) {
        } catch (const std::exception& e) {
            job->failure = e.what();
        } catch (...) {
            job->failure = "unknown failure";
        }
        job->finished = true;
    };
    try {
        job->thread = std::thread(work);
    } catch (const std::system_error& e) {
        job->failure = e.what();  // told by Poll, as any other failure
        job->finished = true;
    }
    current_ = job;
    jobs_.push_back(std::move(job));
    poll_.start();
    // Read from the cache it is there at once; only a solve shows its progress.
    showLater_.start();
}

void ExpertTables::Poll() {
    bool becameReady = false;
    for (auto it = jobs_.begin(); it != jobs_.end();) {
        Job& job = **it;
        if (!job.finished) {
            ++it;
            continue;
        }
        if (job.thread.joinable()) job.thread.join();
        if (job.table && !job.table->Empty()) {
            ready_[Key(job.rules)] = job.table;
            becameReady = true;
        } else if (!job.failure.empty()) {
            // Told once; the work is tried again at the next new game.
            failed_.insert(Key(job.rules));
            const QString why = QString::fromStdString(job.failure);
            QTimer::singleShot(0, this, [this, why] {
                QMessageBox box(QMessageBox::Warning, QLatin1String(kTitle),
                                tr("The Expert's play could not be worked out (%1). The Expert waits.").arg(why),
                                QMessageBox::Ok, window_);
                box.exec();
            });
        }
        if (*it == current_) current_.reset();
        it = jobs_.erase(it);
    }
    if (current_) {
        if (bar_) bar_->setValue(int(100 * current_->done));
    } else {
        showLater_.stop();
        CloseProgress();
    }
    if (jobs_.empty()) poll_.stop();  // nothing under way: no timer runs
    if (becameReady) emit ready();
}

QDialog* ExpertTables::MakeProgressWindow(QWidget* window, int target, int breakIn) {
    auto* w = new QDialog(window, Qt::Dialog | Qt::WindowTitleHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setObjectName(QStringLiteral("frmPreparingExpert"));
    // Not modal: the game goes on; only the Expert's turn waits.
    w->setModal(false);
    w->setWindowTitle(QLatin1String(kTitle));
    w->setAccessibleName(tr("Preparing the Expert"));
    w->setFont(DialogFont());
    w->setFixedSize(Px(4800), Px(1200 - kCaptionTwips));
    auto* label = new QLabel(tr("Working out the Expert's play for games to %1 points that break in at %2. This is done once.")
                                 .arg(target)
                                 .arg(breakIn),
                             w);
    label->setObjectName(QStringLiteral("lblExpert"));
    label->setWordWrap(true);
    label->setGeometry(TwipRect(150, 90, 4500, 390));
    auto* bar = new QProgressBar(w);
    bar->setObjectName(QStringLiteral("prgExpert"));
    bar->setRange(0, 100);
    bar->setAccessibleName(tr("Expert's play worked out"));
    bar->setGeometry(TwipRect(150, 510, 4500, 240));
    // A text that takes more lines (a longer language) makes the window as
    // much taller, the bar staying below it.
    if (const int more = label->heightForWidth(label->width()) - label->height(); more > 0) {
        label->resize(label->width(), label->height() + more);
        bar->move(bar->x(), bar->y() + more);
        w->setFixedSize(w->width(), w->height() + more);
    }
    label->setBuddy(bar);
    return w;
}

void ExpertTables::ShowProgress() {
    if (!current_ || progress_) return;
    QDialog* w = MakeProgressWindow(window_, current_->rules.target, current_->rules.breakIn);
    label_ = w->findChild<QLabel*>(QStringLiteral("lblExpert"));
    bar_ = w->findChild<QProgressBar*>(QStringLiteral("prgExpert"));
    bar_->setValue(int(100 * current_->done));
    if (window_)
        MoveFrameTo(w,
                    window_->pos() + QPoint((window_->width() - w->width()) / 2, (window_->height() - w->height()) / 2),
                    window_);
    progress_ = w;
    w->show();
}

void ExpertTables::CloseProgress() {
    if (progress_) progress_->close();
    progress_ = nullptr;
    bar_ = nullptr;
    label_ = nullptr;
}

}  // namespace zarvel
