#include "ThemeTray.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>

#include "ARButton.h"
#include "Colors.h"
#include "Fonts.h"
#include "SettingKeys.h"
#include "SettingsFile.h"
#include "Startup.h"
#include "Twips.h"

namespace zarvel {

// ---- the colour squares ------------------------------------------------------

ColourSquare::ColourSquare(const TextColour& colour, QWidget* parent)
    : QAbstractButton(parent), colour_(FromColourNumber(colour.square)) {
    setAccessibleName(QCoreApplication::translate("TextColours", colour.name));
    setToolTip(accessibleName());
    setCheckable(false);
    setFocusPolicy(Qt::TabFocus);
}

void ColourSquare::setChosen(bool chosen) {
    chosen_ = chosen;
    //: Said by a screen reader of the text colour now chosen.
    setAccessibleDescription(chosen ? tr("chosen") : QString());
    update();
}

void ColourSquare::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(colour_);
    p.drawRect(r);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -1, -1));
    }
    if (!chosen_) return;
    // The check mark is dark blue like every heading, on a light patch so
    // it shows on the dark squares too.
    QPainterPath tick;
    tick.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
    tick.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.74);
    tick.lineTo(r.left() + r.width() * 0.80, r.top() + r.height() * 0.28);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), r.width() * 0.26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(FromColourNumber(kHeadingColour), r.width() * 0.13, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
}

// ---- the tray ----------------------------------------------------------------------

ThemeTray::ThemeTray(Settings& settings, SettingsFile& file, ThemePreview& preview, QStringList backgroundFolders,
                     QWidget* parent)
    : QWidget(parent), settings_(settings), file_(file), preview_(preview), folders_(std::move(backgroundFolders)) {
    setObjectName(QStringLiteral("picThemeTray"));
    setAccessibleName(tr("Theme"));
    SetZoomedFont(this, DialogFont());

    lblDice = MakeHeading(this, tr("Dice"), 60);
    cboDiceColor = new QComboBox(this);
    Place(cboDiceColor, 60, 300, 1530, 330);
    cboDiceColor->setAccessibleName(tr("Dice"));
    // Where a list is read by its current entry, the heading labels it.
    lblDice->setBuddy(cboDiceColor);
    for (const Skin& skin : kSkins) cboDiceColor->addItem(QCoreApplication::translate("Skins", skin.entry), skin.code);

    lblTextColor = MakeHeading(this, tr("Text Color"), 780);
    for (int k = 0; k < int(kTextColours.size()); ++k) {
        auto* square = new ColourSquare(kTextColours[std::size_t(k)], this);
        Place(square, 105 + 375 * (k % 4), 1020 + 375 * (k / 4), 330, 330);
        // Reached from the keyboard too: the tray's buttons take the focus,
    // and the tray hands its own to its first control.
    for (ARButton* b : findChildren<ARButton*>()) b->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(cboDiceColor);
    connect(square, &QAbstractButton::clicked, this, [this, k] { lblColor_Click(k); });
        lblColor[std::size_t(k)] = square;
    }

    lblBackground = MakeHeading(this, tr("Background"), 1830);
    lstBackground = new QListWidget(this);
    Place(lstBackground, 60, 2070, 1530, 2190);
    lstBackground->setAccessibleName(tr("Background"));

    ARCmdSaveTheme = MakeButton(this, "ARCmdSaveTheme", tr("Save"), QRect(60, 4350, 735, 330));
    ARCmdCancelTheme = MakeButton(this, "ARCmdCancelTheme", tr("Cancel"), QRect(855, 4350, 735, 330));

    connect(cboDiceColor, &QComboBox::activated, this, [this] { cboDiceColor_Click(); });
    connect(lstBackground, &QListWidget::currentRowChanged, this, [this] { lstBackground_Click(); });
    connect(ARCmdSaveTheme, &ARButton::clicked, this, &ThemeTray::saveClicked);
    connect(ARCmdCancelTheme, &ARButton::clicked, this, &ThemeTray::cancelClicked);
}

QString ThemeTray::BackgroundPath(int index) const {
    if (index <= 0) return {};
    if (index < int(kBackgrounds.size()))
        return QString::fromStdString(settings_.TempPath) + QLatin1String(kBackgrounds[std::size_t(index)].picture.name);
    // The player's entries follow the built-in ones, one for each file.
    return customFiles_.value(index - int(kBackgrounds.size()));
}

namespace {

// The entry of a player's picture: its name up to the first dot, and when
// that is already taken (Beach.jpg and Beach.png) what follows the dot too,
// so every entry can be chosen.
QString CustomEntry(const QString& fileName, const QStringList& taken) {
    const QString base = BaseName(fileName);
    if (!taken.contains(base)) return base;
    const QString rest = fileName.mid(base.size() + 1);
    QString entry = rest.isEmpty() ? base : QStringLiteral("%1 (%2)").arg(base, rest);
    for (int n = 2; taken.contains(entry); ++n)
        entry = rest.isEmpty() ? QStringLiteral("%1 (%2)").arg(base).arg(n) : QStringLiteral("%1 (%2 %3)").arg(base, rest).arg(n);
    return entry;
}

}  // namespace

void ThemeTray::FillThemeLists() {
    filling_ = true;
    lstBackground->clear();
    QStringList entries;
    for (const Background& b : kBackgrounds) entries << QCoreApplication::translate("Backgrounds", b.entry);
    customFiles_.clear();
    for (const QString& folder : folders_) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files, QDir::Unsorted)) {
            customFiles_ << dir.filePath(name);
            entries << CustomEntry(name, entries);
        }
    }
    lstBackground->addItems(entries);

    // The stored background: the player's file of that very path, else by
    // the base name of its file.
    const QString storedPath = file_.Read(KeyName(Key::Background));
    const qsizetype exact = customFiles_.indexOf(storedPath);
    const QString stored = BaseName(storedPath);
    int selected = exact >= 0 ? int(kBackgrounds.size() + exact) : 0;
    for (int i = 1; i < lstBackground->count() && selected == 0; ++i) {
        const bool builtIn = i < int(kBackgrounds.size());
        const QString name = builtIn ? BaseName(QLatin1String(kBackgrounds[std::size_t(i)].picture.name))
                                     : lstBackground->item(i)->text();
        if (name == stored) selected = i;
    }
    lstBackground->setCurrentRow(selected);
    savedBackground_ = selected;

    savedSkin_ = settings_.DieSkin;
    const int shown = cboDiceColor->findData(settings_.DieSkin);
    if (shown >= 0) cboDiceColor->setCurrentIndex(shown);
    filling_ = false;
}

void ThemeTray::Open() {
    FillThemeLists();
    pendingTextColor_ = QString::fromStdString(settings_.TextColor);
    // Only a colour stored in one of the squares' own texts marks a square.
    for (int k = 0; k < int(kTextColours.size()); ++k)
        lblColor[std::size_t(k)]->setChosen(pendingTextColor_ == QLatin1String(kTextColours[std::size_t(k)].text));
    for (int k = 0; k < int(kTextColours.size()); ++k)
        if (lblColor[std::size_t(k)]->chosen()) lblColor_Click(k);
    cboDiceColor_Click();
}

void ThemeTray::cboDiceColor_Click() {
    if (filling_ || cboDiceColor->currentIndex() < 0) return;
    settings_.DieSkin = cboDiceColor->currentData().toInt();
    preview_.PreviewSkin(settings_.DieSkin);
}

void ThemeTray::lblColor_Click(int index) {
    if (index < 0 || index >= int(kTextColours.size())) return;
    for (int k = 0; k < int(kTextColours.size()); ++k) lblColor[std::size_t(k)]->setChosen(k == index);
    pendingTextColor_ = QLatin1String(kTextColours[std::size_t(index)].text);
    preview_.PreviewTextColour(ColourNumberFromText(pendingTextColor_));
}

void ThemeTray::ShowBackground(int index, bool tell) {
    if (index <= 0) {
        preview_.PreviewBackground(QImage(), {});
        return;
    }
    const QString path = BackgroundPath(index);
    QString why;
    const QImage picture = LoadPicture(path, &why);
    preview_.PreviewBackground(picture, BackgroundVariants(path, QString::fromStdString(settings_.TempPath)));
    if (tell && picture.isNull() && index >= int(kBackgrounds.size())) {
        const QString shown = path.isEmpty() ? lstBackground->item(index)->text() : QDir::toNativeSeparators(path);
        QMessageBox box(QMessageBox::Warning, QLatin1String(kTitle),
                        tr("The picture %1 cannot be shown: %2.").arg(shown, why), QMessageBox::Ok, this);
        box.exec();
    }
}

void ThemeTray::lstBackground_Click() {
    const int index = lstBackground->currentRow();
    if (filling_ || index < 0) return;
    ShowBackground(index, true);
    if (index < int(kBackgrounds.size())) lblColor_Click(kBackgrounds[std::size_t(index)].textColour);
}

void ThemeTray::Save() {
    const int index = std::max(0, lstBackground->currentRow());
    ShowBackground(index, false);  // a picture that cannot be read was named at its choice
    file_.Write(KeyName(Key::Background), index == 0 ? QLatin1String(kBackgrounds[0].entry) : BackgroundPath(index));
    settings_.TextColor = pendingTextColor_.toStdString();
    preview_.PreviewTextColour(ColourNumberFromText(pendingTextColor_));
    WriteSetting(file_, settings_, Key::TextColor);
    if (cboDiceColor->currentIndex() >= 0) {
        settings_.DieSkin = cboDiceColor->currentData().toInt();
        WriteSetting(file_, settings_, Key::DieColor);
    }
}

void ThemeTray::Cancel() {
    ShowBackground(savedBackground_, false);
    preview_.PreviewTextColour(ColourNumberFromText(QString::fromStdString(settings_.TextColor)));
    settings_.DieSkin = savedSkin_;
}

}  // namespace zarvel
