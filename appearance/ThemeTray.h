// The theme tray: the die skin, the text colour and the background picture.
// Every choice is shown at once on the game pane through ThemePreview; Save
// keeps and stores the choices, Cancel puts back what was shown at opening.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <array>

#include "Catalogue.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace zarvel {

class ARButton;
class SettingsFile;
struct Settings;

// What the theme tray shows its choices on: the game pane.
class ThemePreview {
public:
    virtual ~ThemePreview() = default;
    // The dice trays in the skin's back colour, faces 1 to 6 in the roll area.
    virtual void PreviewSkin(int code) = 0;
    // Every label in this colour (&H00BBGGRR), headings in dark blue.
    virtual void PreviewTextColour(unsigned colour) = 0;
    // The background picture; a null image shows none. variants: the
    // pattern of its sharper variants, if it has any.
    virtual void PreviewBackground(const QImage& picture, const QString& variants) = 0;
};

// One of the eight colour squares: shows its colour, and a check mark while
// it is the chosen one.
class ColourSquare : public QAbstractButton {
    Q_OBJECT
public:
    ColourSquare(const TextColour& colour, QWidget* parent);
    bool chosen() const { return chosen_; }
    void setChosen(bool chosen);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor colour_;
    bool chosen_ = false;
};

// Earlier names: lstSkin is lstBackground (it lists backgrounds, not skins);
// the skin chosen is Settings::DieSkin, stored under the key "DieColor".
class ThemeTray : public QWidget {
    Q_OBJECT
public:
    // backgroundFolders: where the player's own pictures are looked for, in
    // order (a "Background" folder beside the program, then in the user's
    // data folder).
    ThemeTray(Settings& settings, SettingsFile& file, ThemePreview& preview, QStringList backgroundFolders,
              QWidget* parent = nullptr);

    QLabel* lblDice = nullptr;
    QComboBox* cboDiceColor = nullptr;
    QLabel* lblTextColor = nullptr;
    std::array<ColourSquare*, kTextColours.size()> lblColor{};
    QLabel* lblBackground = nullptr;
    QListWidget* lstBackground = nullptr;
    ARButton* ARCmdSaveTheme = nullptr;
    ARButton* ARCmdCancelTheme = nullptr;

    // Fills the lists from the settings and shows them on the game pane, as
    // the tray's opening does.
    void Open();
    // Stores the choices (background, text colour, skin) and keeps them.
    void Save();
    // Puts back the background, text colour and skin of the opening.
    void Cancel();

    void cboDiceColor_Click();
    void lblColor_Click(int index);
    void lstBackground_Click();

    // The picture file of background entry `index`: "" for "(None)".
    QString BackgroundPath(int index) const;
    int SavedBackgroundIndex() const { return savedBackground_; }
    int SavedSkin() const { return savedSkin_; }
    QString PendingTextColor() const { return pendingTextColor_; }

signals:
    void saveClicked();
    void cancelClicked();

private:
    void FillThemeLists();
    // The background of entry `index` on the game pane; a picture that
    // cannot be read shows none and, when `tell`, is named in a message.
    void ShowBackground(int index, bool tell);

    Settings& settings_;
    SettingsFile& file_;
    ThemePreview& preview_;
    QStringList folders_;
    QStringList customFiles_;  // the player's pictures, as listed
    bool filling_ = false;     // the lists are being filled: their clicks do nothing
    QString pendingTextColor_;
    int savedBackground_ = 0;
    int savedSkin_ = 0;
};

}  // namespace zarvel
