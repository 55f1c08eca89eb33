// The game tray: everything needed to play, drawn over the background
// picture. The two rows of die boxes, the scoring markers, the divider, the
// labels and the buttons, placed as the window's design places them, and
// the drawing the engine asks the board for.
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "Board.h"
#include "GameState.h"
#include "NameLabel.h"
#include "ThemeTray.h"

class QLabel;

namespace zarvel {

class ARButton;
class PictureBox;

// Earlier names: Label1 is lblCurrentPlayer ("Current Player:").
class GameTray : public QWidget, public ThemePreview {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 3855, kHeightTwips = 4725;

    explicit GameTray(QWidget* parent = nullptr);

    PictureBox* Image1 = nullptr;         // background, stretched, under everything
    PictureBox* picTray1 = nullptr;       // roll area
    PictureBox* picTray2 = nullptr;       // set-aside tray
    PictureBox* picSampleDice = nullptr;  // over the set-aside tray while the theme tray is open
    QLabel* lblSampleDice = nullptr;
    PictureBox* pctDivider = nullptr;
    std::array<PictureBox*, kSlots> picMarker{};
    QLabel* lblStatus = nullptr;
    QLabel* lblLastRoll = nullptr;
    QLabel* lblCurrentPlayer = nullptr;
    NameLabel* lblPlayer = nullptr;
    QLabel* lblTurnScoreLabel = nullptr;
    QLabel* lblTurnScore = nullptr;
    ARButton* ARCmdNewGame = nullptr;
    ARButton* cmdRoll = nullptr;
    ARButton* cmdPassDice = nullptr;
    ARButton* cmdSkins = nullptr;
    ARButton* cmdOptions = nullptr;
    ARButton* cmdExit = nullptr;

    // Die box by index: 0..5 roll area, 10..15 tray; nullptr otherwise.
    PictureBox* Picture1(int index) const;

    // ---- what the board draws ----
    // Each change is painted with the others once the step that made them
    // is done, or before the table's next pause, when the board paints
    // whatever is waiting.
    // Face 1..6 of the skin with this code, or an empty box for face 0.
    void ShowDie(int index, int face, int skinCode);
    // Which dice of the roll area score, for screen readers.
    void DescribeScoring(const std::array<bool, kSlots>& scores);
    void ShowMarker(int slot, bool visible);
    bool MarkerVisible(int slot) const;
    void ShowDividerAt(int leftTwips);
    void HideDivider();
    void SetStatusText(const QString& text);
    // The table's message in the status line; a long name in it is
    // shortened so the whole message fits.
    void ShowStatus(const StatusLine& line, const QString& player);
    // What the status line says for the table's message; player is the
    // name of the seat the message names, if any.
    static QString StatusText(const StatusLine& line, const QString& player = {});
    void SetStatusTop(int twips);
    void ShowLastRoll(bool visible);
    void SetTurnScoreText(const QString& text);
    void SetPlayerText(const QString& text);
    void SetRollEnabled(bool enabled);
    void SetPassEnabled(bool enabled);
    // The buttons' own state, whether or not the tray is disabled around them.
    bool RollEnabled() const;
    bool PassEnabled() const;
    // New Game (no game running) or Roll and Pass Dice (a game).
    void ShowGameButtons(bool gameRunning);

    // ---- appearance ----
    // The background picture, stretched over the tray; a null image clears
    // it. variants: the pattern of its sharper variants, if it has any.
    void SetBackgroundPicture(const QImage& picture, const QString& variants = {});
    // Every label: heading captions in dark blue, the others in textColour
    // (&H00BBGGRR).
    void ColourLabels(unsigned textColour);
    // Trays and die boxes in the back colour of the skin with this code.
    void PaintTrayColours(int skinCode);
    // Every die box drawn again from the state in the skin with this code.
    void RedrawDice(const GameState& g, int skinCode);

    // ---- the theme tray's preview ----
    void PreviewSkin(int code) override;
    void PreviewTextColour(unsigned colour) override;
    void PreviewBackground(const QImage& picture, const QString& variants) override;
    void ShowSampleDice(bool shown);

signals:
    // A die box was clicked: 0..5 roll area, 10..15 tray.
    void dieClicked(int index);
    // Another background picture is shown.
    void backgroundChanged();

private:
    std::array<PictureBox*, 16> dice_{};  // 6..9 unused
};

}  // namespace zarvel
