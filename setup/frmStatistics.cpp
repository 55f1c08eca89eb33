#include "frmStatistics.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "Csv.h"
#include "Records.h"
#include "RecordsText.h"
#include "Twips.h"

namespace zarvel {

namespace {

// The text a cell gives the CSV export: numbers without the locale's
// grouping, dates in one form every spreadsheet reads.
constexpr int kCsvRole = Qt::UserRole + 1;

enum ResultColumn { Who, Games, Wins, WinPercent, BestScore, AverageScore, BestTurn, PointsPerTurn, ZarvelPercent };
enum HighScoreColumn { Rank, Name, Score, Target, Date };

QStandardItem* TextCell(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setData(text, frmStatistics::kSortRole);
    item->setData(text, kCsvRole);
    item->setEditable(false);
    return item;
}

QStandardItem* NumberCell(double value, int decimals) {
    auto* item = new QStandardItem(QLocale().toString(value, 'f', decimals));
    item->setData(value, frmStatistics::kSortRole);
    item->setData(QString::number(value, 'f', decimals), kCsvRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

QString Plain(const QString& caption) { return QString(caption).remove(u'&'); }

QString Title() { return QString::fromUtf8(kTitle.data(), qsizetype(kTitle.size())); }

}  // namespace

frmStatistics::frmStatistics(Records& records, QWidget* parent) : QDialog(parent), records_(records) {
    setWindowTitle(tr("Statistics"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The platform's font and the window's size at the game's zoom.
    SetZoomedFont(this, font());
    // Within the screen at any zoom: the table scrolls.
    QSize size(Px(kWidthTwips), Px(kHeightTwips));
    if (const QScreen* screen = parent ? parent->screen() : this->screen())
        size = size.boundedTo(screen->availableGeometry().size() - QSize(Px(240), Px(480)));
    resize(size);

    lblTarget = new QLabel(tr("&Target:"), this);
    cboTarget = new QComboBox(this);
    cboTarget->setAccessibleName(tr("Target"));
    lblTarget->setBuddy(cboTarget);

    players_ = new QStandardItemModel(0, 9, this);
    styles_ = new QStandardItemModel(0, 9, this);
    for (QStandardItemModel* model : {players_, styles_}) {
        model->setHorizontalHeaderLabels({model == players_ ? tr("Name") : tr("Style"), tr("Games"), tr("Wins"),
                                          tr("Win %"), tr("Best score"), tr("Average score"), tr("Best turn"),
                                          tr("Points per turn"), tr("Zarvel %")});
        model->horizontalHeaderItem(ZarvelPercent)->setToolTip(tr("Share of turns that ended in a Zarvel"));
        model->horizontalHeaderItem(BestTurn)->setToolTip(tr("Most points banked in one turn"));
    }
    highScores_ = new QStandardItemModel(0, 5, this);
    highScores_->setHorizontalHeaderLabels({tr("Rank"), tr("Name"), tr("Score"), tr("Target"), tr("Date")});

    lblPlayers = new QLabel(tr("&Players"), this);
    grdPlayers = NewGrid(players_, tr("Players"), Wins);
    lblPlayers->setBuddy(grdPlayers);
    lblStyles = new QLabel(tr("&Computer styles"), this);
    grdStyles = NewGrid(styles_, tr("Computer styles"), Wins);
    lblStyles->setBuddy(grdStyles);
    lblHighScores = new QLabel(tr("&High scores"), this);
    // As listed: by target, best first.
    grdHighScores = NewGrid(highScores_, tr("High scores"), -1);
    lblHighScores->setBuddy(grdHighScores);

    lblNote = new QLabel(this);
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);

    cmdReset = new QPushButton(tr("&Reset..."), this);
    cmdExport = new QPushButton(tr("&Export to CSV..."), this);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setDefault(true);

    const int gap = Px(120);
    auto* filter = new QHBoxLayout;
    filter->addWidget(lblTarget);
    filter->addWidget(cboTarget);
    filter->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdReset);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(Px(60));
    layout->addLayout(filter);
    layout->addWidget(lblPlayers);
    layout->addWidget(grdPlayers, 3);
    layout->addWidget(lblStyles);
    layout->addWidget(grdStyles, 3);
    layout->addWidget(lblHighScores);
    layout->addWidget(grdHighScores, 4);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);

    chooseExportFile = [this] {
        return QFileDialog::getSaveFileName(this, tr("Export to CSV"), QDir::home().filePath(QStringLiteral("zarvel-statistics.csv")),
                                            tr("CSV files (*.csv)"));
    };
    connect(cboTarget, &QComboBox::activated, this, &frmStatistics::cboTarget_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmStatistics::cmdReset_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmStatistics::cmdExport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    FillTargets();
    Refresh();
    WidenForHeadings();
}

void frmStatistics::WidenForHeadings() {
    // Every column as wide as its heading, the names' too: where the
    // headings are longer (another language) the window opens wider, as
    // far as the screen allows, rather than squeeze the names.
    int wanted = 0;
    for (const QTableView* grid : {grdPlayers, grdStyles, grdHighScores}) {
        const QHeaderView* h = grid->horizontalHeader();
        int columns = 2 * grid->frameWidth() + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
        for (int s = 0; s < h->count(); ++s)
            columns += h->sectionResizeMode(s) == QHeaderView::Stretch ? h->sectionSizeHint(s)
                                                                       : std::max(h->sectionSizeHint(s), h->sectionSize(s));
        wanted = std::max(wanted, columns);
    }
    const QMargins m = layout()->contentsMargins();
    wanted += m.left() + m.right();
    if (const QScreen* screen = this->screen()) wanted = std::min(wanted, screen->availableGeometry().width());
    if (wanted > width()) resize(wanted, height());
}

void frmStatistics::KeepHeadingRoom(QTableView* grid) {
    QHeaderView* h = grid->horizontalHeader();
    const int names = grid->property("namesColumn").toInt();
    int numbers = 0;
    for (int s = 0; s < h->count(); ++s)
        if (s != names) numbers += h->sectionSize(s);
    const int left = grid->viewport()->width() - numbers;
    if (left >= h->sectionSizeHint(names)) {
        h->setSectionResizeMode(names, QHeaderView::Stretch);
    } else {
        h->setSectionResizeMode(names, QHeaderView::Interactive);
        h->resizeSection(names, h->sectionSizeHint(names));
    }
}

// Each time a table's view changes size (the window laid out, shown or resized).
bool frmStatistics::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Resize)
        for (QTableView* grid : {grdPlayers, grdStyles, grdHighScores})
            if (grid && watched == grid->viewport()) KeepHeadingRoom(grid);
    return QDialog::eventFilter(watched, e);
}

QTableView* frmStatistics::NewGrid(QStandardItemModel* model, const QString& name, int sortColumn) {
    auto* proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(kSortRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy->setSortLocaleAware(true);

    auto* grid = new QTableView(this);
    grid->setModel(proxy);
    grid->setAccessibleName(name);
    grid->horizontalHeader()->setSortIndicator(sortColumn, Qt::DescendingOrder);
    grid->setSortingEnabled(true);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);  // Tab goes on to the next control
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 3 / 2);
    // The names take what the numbers leave.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->setProperty("namesColumn", sortColumn < 0 ? int(Name) : int(Who));
    grid->viewport()->installEventFilter(this);
    grid->horizontalHeader()->setSectionResizeMode(grid->property("namesColumn").toInt(), QHeaderView::Stretch);

    // The context menu (the menu key, Shift+F10 or a right click) sorts by
    // the column of the current cell.
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* up = new QAction(tr("Sort &Ascending"), grid);
    auto* down = new QAction(tr("Sort &Descending"), grid);
    connect(up, &QAction::triggered, grid, [grid] { SortByCurrentColumn(grid, Qt::AscendingOrder); });
    connect(down, &QAction::triggered, grid, [grid] { SortByCurrentColumn(grid, Qt::DescendingOrder); });
    grid->addActions({up, down});
    return grid;
}

void frmStatistics::SortByCurrentColumn(QTableView* grid, Qt::SortOrder order) {
    const QModelIndex current = grid->currentIndex();
    grid->sortByColumn(current.isValid() ? current.column() : 0, order);
    if (current.isValid()) grid->scrollTo(grid->currentIndex());
}

int frmStatistics::target() const { return cboTarget->currentData().toInt(); }

void frmStatistics::FillTargets() {
    const int chosen = cboTarget->count() ? target() : 0;
    cboTarget->clear();
    cboTarget->addItem(tr("All targets"), 0);
    for (int t : records_.Targets()) cboTarget->addItem(QString::number(t), t);
    const int at = cboTarget->findData(chosen);
    cboTarget->setCurrentIndex(at < 0 ? 0 : at);
}

void frmStatistics::cboTarget_Click() { Refresh(); }

void frmStatistics::Refresh() {
    FillResults(players_, false);
    FillResults(styles_, true);
    FillHighScores();
    for (QTableView* grid : {grdPlayers, grdStyles, grdHighScores}) {
        auto* proxy = static_cast<QSortFilterProxyModel*>(grid->model());
        proxy->sort(proxy->sortColumn(), proxy->sortOrder());
    }
    const bool open = records_.isOpen();
    const bool any = players_->rowCount() + styles_->rowCount() > 0;
    cmdReset->setEnabled(open && !records_.Targets().empty());
    cmdExport->setEnabled(open);
    if (!open) lblNote->setText(tr("No statistics: the game records could not be opened."));
    else if (!any) lblNote->setText(tr("No games recorded yet."));
    else lblNote->clear();
    lblNote->setVisible(!lblNote->text().isEmpty());
}

void frmStatistics::FillResults(QStandardItemModel* model, bool styles) {
    model->removeRows(0, model->rowCount());
    const int t = target();
    for (const PlayerStats& p : records_.Statistics(t ? std::optional<int>(t) : std::nullopt)) {
        if ((p.style != kHumanStyle) != styles) continue;
        const QString who = styles ? StyleName(p.style) : QString::fromStdString(p.name);
        model->appendRow({TextCell(who), NumberCell(p.games, 0), NumberCell(p.wins, 0), NumberCell(p.WinPercent(), 1),
                          NumberCell(p.bestScore, 0), NumberCell(p.averageScore, 0), NumberCell(p.bestTurn, 0),
                          NumberCell(p.PointsPerTurn(), 1), NumberCell(p.ZarvelPercent(), 1)});
    }
}

void frmStatistics::FillHighScores() {
    highScores_->removeRows(0, highScores_->rowCount());
    const int chosen = target();
    // With all targets, the best ten of each.
    for (int t : records_.Targets()) {
        if (chosen && t != chosen) continue;
        int rank = 0;
        for (const HighScore& h : records_.HighScores(t)) {
            const QString name = QString::fromStdString(h.seat.name);
            const QDateTime when = QDateTime::fromSecsSinceEpoch(h.finishedAt);
            QStandardItem* date = TextCell(QLocale().toString(when, QLocale::ShortFormat));
            date->setData(qlonglong(h.finishedAt), kSortRole);
            date->setData(when.toString(QStringLiteral("yyyy-MM-dd HH:mm")), kCsvRole);
            highScores_->appendRow({NumberCell(++rank, 0),
                                    TextCell(h.seat.computer() ? tr("%1 (%2)", "a computer seat's name and style")
                                                                     .arg(name, StyleName(h.seat.style))
                                                               : name),
                                    NumberCell(h.score, 0), NumberCell(h.target, 0), date});
        }
    }
}

void frmStatistics::cmdReset_Click() {
    QApplication::beep();
    const QString question =
        target() ? tr("Delete every recorded game, not only those played to %1? The statistics and high scores of "
                      "all targets start again from nothing.")
                       .arg(target())
                 : tr("Delete every recorded game? The statistics and high scores start again from nothing.");
    if (QMessageBox::question(this, Title(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    if (!records_.ResetStatistics())
        QMessageBox::warning(this, Title(), tr("The recorded games could not be deleted."));
    FillTargets();
    Refresh();
}

QByteArray frmStatistics::ExportCsv() const {
    std::string csv = CsvLine({cboTarget->accessibleName().toStdString(), cboTarget->currentText().toStdString()});
    const auto table = [&csv](const QLabel* title, const QTableView* grid) {
        const QAbstractItemModel* m = grid->model();
        csv += "\r\n" + CsvLine({Plain(title->text()).toStdString()});
        std::vector<std::string> fields;
        for (int c = 0; c < m->columnCount(); ++c) fields.push_back(m->headerData(c, Qt::Horizontal).toString().toStdString());
        csv += CsvLine(fields);
        for (int r = 0; r < m->rowCount(); ++r) {
            fields.clear();
            for (int c = 0; c < m->columnCount(); ++c) fields.push_back(m->index(r, c).data(kCsvRole).toString().toStdString());
            csv += CsvLine(fields);
        }
    };
    table(lblPlayers, grdPlayers);
    table(lblStyles, grdStyles);
    table(lblHighScores, grdHighScores);
    return QByteArray::fromStdString(csv);
}

void frmStatistics::cmdExport_Click() {
    const QString path = chooseExportFile ? chooseExportFile() : QString();
    if (path.isEmpty()) return;
    // Written whole or not at all: a file that was there stays as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ExportCsv()) < 0 || !file.commit()) {
        QMessageBox::warning(this, Title(),
                             tr("The statistics could not be exported to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    lblNote->setText(tr("Exported to %1.").arg(QDir::toNativeSeparators(path)));
    lblNote->show();
}

}  // namespace zarvel
