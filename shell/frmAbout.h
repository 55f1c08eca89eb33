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

class frmMain;

// The maker, as the about box and the help name it.
inline constexpr const char* kMakerName = "Quarnaby Software";
inline constexpr const char* kMakerWeb = "www.quarnaby.example";
inline constexpr const char* kMakerMail = "support@quarnaby.example";

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

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(frmMain& main, QWidget* parent = nullptr);

    // ---- controls ----
    QLabel* Label2 = nullptr;  // product title
    QLabel* Label3 = nullptr;  // maker
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QGroupBox* Frame99 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
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
    void Frame1_MouseMove();
    void Frame2_MouseMove();
    void Frame99_MouseMove();
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

    frmMain& main_;
};

}  // namespace zarvel
