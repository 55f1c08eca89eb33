// The statistics window: results per person and per computer style, the
// high scores, a filter by target, Reset... and Export to CSV. It reads
// and changes only the game records.
#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace zarvel {

class Records;

class frmStatistics : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 13200, kHeightTwips = 9000;
    // The role the tables sort by: numbers as numbers, names as text.
    static constexpr int kSortRole = Qt::UserRole;

    explicit frmStatistics(Records& records, QWidget* parent = nullptr);

    QLabel* lblTarget = nullptr;
    QComboBox* cboTarget = nullptr;  // "All targets", then each target played to
    QLabel* lblPlayers = nullptr;
    QTableView* grdPlayers = nullptr;
    QLabel* lblStyles = nullptr;
    QTableView* grdStyles = nullptr;
    QLabel* lblHighScores = nullptr;
    QTableView* grdHighScores = nullptr;
    QLabel* lblNote = nullptr;  // no games yet, no records, or where the export went
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdClose = nullptr;

    // Where Export to CSV writes; "" gives up. A save dialog unless replaced.
    std::function<QString()> chooseExportFile;

    // Rereads the records for the chosen target.
    void Refresh();
    void cboTarget_Click();
    void cmdReset_Click();
    void cmdExport_Click();
    // The tables as they are shown (target, rows), as CSV.
    QByteArray ExportCsv() const;
    // Sorts a table by its current cell's column: the keyboard's way to
    // what a click on the column heading does.
    static void SortByCurrentColumn(QTableView* grid, Qt::SortOrder order);

    // The target chosen; 0 for all.
    int target() const;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void WidenForHeadings();
    // The names' column takes what the numbers leave, but never less than
    // its heading: on a narrow screen the table scrolls sideways instead.
    static void KeepHeadingRoom(QTableView* grid);
    QTableView* NewGrid(QStandardItemModel* model, const QString& name, int sortColumn);
    void FillResults(QStandardItemModel* model, bool styles);
    void FillHighScores();
    void FillTargets();

    Records& records_;
    QStandardItemModel* players_ = nullptr;
    QStandardItemModel* styles_ = nullptr;
    QStandardItemModel* highScores_ = nullptr;
};

}  // namespace zarvel
