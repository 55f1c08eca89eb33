// The about box: the title and maker, the maker's two links, two die
// pictures that rattle, and the way to the system information, the licence
// and the credits.
#pragma once

#include <QDialog>
#include <QLabel>
#include <functional>

#include "SysInfo.h"

class QGroupBox;
class QPushButton;

namespace zarvel {

struct GameState;
struct Settings;

// What the about box needs from the main window.
class AboutHost {
public:
    virtual ~AboutHost() = default;
    // Plays a sound file now, whatever the sound option says.
    virtual void PlaySoundFile(const QString& path) = 0;
    virtual const Settings& settings() const = 0;
    // The game's seats: the credits know two names.
    virtual const GameState& state() const = 0;
    virtual bool IsKeyHeld() = 0;
    // The help window at a topic: 1 how to play, 7 the licence.
    virtual void ShowHelpTopic(int context) = 0;
};

// A label that is a link or a picture button: it answers a click, and
// Space or Enter once it has the keyboard focus; it reports every mouse
// move over it and the mouse leaving it.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent);
    std::function<void()> onClick, onMouseMove, onLeave;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

// Earlier names: Label2 is lblTitle, Label3 lblMaker, Label1 lblBlurb,
// Label4 lblFreeware; Frame99 is fraLinks, Frame1 fraWeb, Frame2 fraMail.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AboutHost& host, QWidget* parent = nullptr);

    // ---- controls ----
    QLabel* lblTitle = nullptr;     // the product and its version
    QLabel* lblMaker = nullptr;     // "by" the maker
    QLabel* lblBlurb = nullptr;     // what the game is
    QLabel* lblFreeware = nullptr;  // how it may be shared
    QLabel* lblDisclaimer = nullptr;
    QGroupBox* fraLinks = nullptr;
    QGroupBox* fraWeb = nullptr;
    QGroupBox* fraMail = nullptr;
    ClickLabel* lblURL = nullptr;
    ClickLabel* lblMail = nullptr;
    ClickLabel* Picture1 = nullptr;
    ClickLabel* Picture2 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QPushButton* cmdEULA = nullptr;
    QPushButton* cmdCredits = nullptr;

    // ---- handlers ----
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void cmdEULA_Click();
    void cmdCredits_Click();
    void lblURL_Click();
    void lblMail_Click();
    void lblURL_MouseMove();
    void lblMail_MouseMove();
    void fraWeb_MouseMove();
    void fraMail_MouseMove();
    void fraLinks_MouseMove();
    void Picture1_Click();
    void Picture2_Click();

    // Starts the system information program, or says it cannot.
    void StartSysInfo();

    // How the program is found and started, and how links are opened;
    // replaceable so that a test opens and starts nothing.
    SysInfo sysInfo;
    std::function<void(const QString& target)> openLink;

    // The link colours: red under the mouse, navy otherwise.
    static QColor LinkHotColour();
    static QColor LinkColour();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BothLinksNavy();
    void SetLinkColour(QLabel* link, const QColor& colour);

    AboutHost& host_;
};

}  // namespace zarvel
