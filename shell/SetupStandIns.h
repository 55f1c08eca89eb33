// Stand-ins for the set-up windows, compiled only while the set-up library
// is not part of the build. They keep the program playable: two human
// players, a plain score list and a plain winner message.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QVector>
#include <QWidget>

namespace zarvel {

class GameHost;

class frmScorePad : public QWidget {
    Q_OBJECT
public:
    explicit frmScorePad(GameHost& host, QWidget* parent = nullptr);
    void setScore(int seat, const QString& text);
    void setHighlight(int seat, bool current);
    void repaintPad();
    void Form_Activate();
    void placeBeside(QWidget* mainWindow);

private:
    GameHost& host_;
    QVector<QLabel*> rows_;
    QVector<QString> scores_;
};

class frmNewGame : public QDialog {
    Q_OBJECT
public:
    frmNewGame(GameHost& host, QWidget* parent);
    int exec() override;

private:
    GameHost& host_;
};

class frmCongrats : public QDialog {
    Q_OBJECT
public:
    frmCongrats(GameHost& host, QWidget* parent);
    int exec() override;

private:
    GameHost& host_;
};

}  // namespace zarvel
