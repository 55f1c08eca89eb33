// The winner window: a picture, "Zarvel Champion" and the winner's name.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zarvel {

class GameHost;

class frmCongrats : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 4245, kHeightTwips = 6540;

    frmCongrats(GameHost& host, QWidget* parent);

    QLabel* picture = nullptr;
    QLabel* lblChampion = nullptr;
    QLabel* lblWinner = nullptr;
    QPushButton* cmdOK = nullptr;

    void Form_Activate();
    void cmdOK_Click();

    // "* name *".
    static QString WinnerText(const QString& name);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    void reject() override;

private:
    void ShowPicture();

    GameHost& host_;
    bool activating_ = false;
    bool left_ = false;  // deactivated since the last activation
};

}  // namespace zarvel
