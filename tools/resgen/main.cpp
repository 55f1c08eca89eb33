// zarvel-resgen: writes every file the game carries into one folder.
//
//   zarvel-resgen OUTDIR            bitmap/<id>.bmp, custom/<id>, picture/*.png, icon/zarvel.png,
//                                   and the sharper variants: bitmap/<id>@2x.png and @3x.png,
//                                   hires/<background id>@2x.jpg and @3x.jpg, picture/<name>@2x.png and @3x.png
//   zarvel-resgen --sheet FILE      all 96 die faces, three times their size, one skin a row
//   zarvel-resgen --backgrounds FILE  the eleven backgrounds side by side
//
// Everything is synthesised and deterministic, so two runs write the same bytes.

#include "die_faces.h"
#include "image_writers.h"
#include "paint_util.h"
#include "pictures.h"
#include "sounds.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>
#include <memory>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "zarvel-resgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) return {};
    return bytes;
}

// Background n as carried: JPEG, but for the one carried as GIF data under
// its ".jpg" name, which the loaders must recognise by the content.
QByteArray backgroundBytes(int n) {
    const QImage picture = resgen::background(n, 1);
    return zarvel::kBackgrounds[std::size_t(n)].picture.id == zarvel::kGifBackground ? resgen::writeGif(picture)
                                                                                      : encoded(picture, "JPEG", 85);
}

// The larger backgrounds are all JPEG, a little finer than the carried ones
// since they are looked at pixel for pixel.
QByteArray hiresBackgroundBytes(int n, int scale) { return encoded(resgen::background(n, scale), "JPEG", 90); }

// The sharper variants of the bitmaps and pictures: full-colour PNG, 8 bits
// a channel with alpha.
QByteArray variantPng(const QImage& image) { return encoded(image.convertToFormat(QImage::Format_ARGB32), "PNG"); }

constexpr int kVariantScales[] = {2, 3};

bool writeAll(const QString& outDir) {
    QDir root(outDir);
    for (const char* sub : {"bitmap", "custom", "picture", "icon", "hires"}) {
        if (!root.mkpath(sub)) {
            std::fprintf(stderr, "zarvel-resgen: cannot create %s/%s\n", qPrintable(outDir), sub);
            return false;
        }
    }
    bool ok = true;
    const auto bitmap = [&](int id) { return root.filePath(QString("bitmap/%1.bmp").arg(id)); };
    const auto custom = [&](int id) { return root.filePath(QString("custom/%1").arg(id)); };
    for (const zarvel::Skin& skin : zarvel::kSkins)
        for (int v = 1; v <= 6; ++v) ok &= writeFile(bitmap(skin.code + v), resgen::faceBitmap(skin, v));
    ok &= writeFile(bitmap(zarvel::kDividerBitmap), resgen::dividerBitmap());
    ok &= writeFile(bitmap(zarvel::kMarkerBitmap), resgen::markerBitmap());
    for (int e = 0; e < int(zarvel::kSoundEvents.size()); ++e)
        ok &= writeFile(custom(zarvel::kSoundEvents[std::size_t(e)].builtIn.id), resgen::eventSound(e));
    ok &= writeFile(custom(zarvel::kOverTopSound.id), resgen::overTopSound());
    for (int n = 1; n < int(zarvel::kBackgrounds.size()); ++n) {
        const QByteArray bytes = backgroundBytes(n);
        if (bytes.isEmpty()) {
            std::fprintf(stderr, "zarvel-resgen: cannot encode background %d (JPEG support missing?)\n", n);
            return false;
        }
        ok &= writeFile(custom(zarvel::kBackgrounds[std::size_t(n)].picture.id), bytes);
    }
    ok &= writeFile(root.filePath("picture/congrats.png"), encoded(resgen::congratsPicture(1), "PNG"));
    ok &= writeFile(root.filePath("picture/about-die1.png"), encoded(resgen::aboutDiePicture(1, 1), "PNG"));
    ok &= writeFile(root.filePath("picture/about-die2.png"), encoded(resgen::aboutDiePicture(2, 1), "PNG"));
    ok &= writeFile(root.filePath("icon/zarvel.png"), encoded(resgen::applicationIcon(), "PNG"));

    for (const int scale : kVariantScales) {
        const auto variant = [&](const QString& name) { return root.filePath(QString("%1@%2x.png").arg(name).arg(scale)); };
        for (const zarvel::Skin& skin : zarvel::kSkins)
            for (int v = 1; v <= 6; ++v)
                ok &= writeFile(variant(QString("bitmap/%1").arg(skin.code + v)), variantPng(resgen::faceImage(skin, v, scale)));
        ok &= writeFile(variant(QString("bitmap/%1").arg(zarvel::kDividerBitmap)), variantPng(resgen::dividerImage(scale)));
        ok &= writeFile(variant(QString("bitmap/%1").arg(zarvel::kMarkerBitmap)), variantPng(resgen::markerImage(scale)));
        ok &= writeFile(variant("picture/congrats"), variantPng(resgen::congratsPicture(scale)));
        ok &= writeFile(variant("picture/about-die1"), variantPng(resgen::aboutDiePicture(1, scale)));
        ok &= writeFile(variant("picture/about-die2"), variantPng(resgen::aboutDiePicture(2, scale)));
        for (int n = 1; n < int(zarvel::kBackgrounds.size()); ++n) {
            const int id = zarvel::kBackgrounds[std::size_t(n)].picture.id;
            ok &= writeFile(root.filePath(QString("hires/%1@%2x.jpg").arg(id).arg(scale)), hiresBackgroundBytes(n, scale));
        }
    }
    return ok;
}

// Contact sheets for judging the artwork by eye; these need a font for the
// labels, so they run with a (headless) GUI application.
bool writeFaceSheet(const QString& path) {
    constexpr int scale = 3, labelWidth = 110, cell = 36 * scale, rowHeight = 34 * scale;
    const auto& skins = zarvel::kSkins;
    QImage sheet(labelWidth + 6 * cell, int(skins.size()) * rowHeight, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 56));
    QPainter p(&sheet);
    p.setFont(QFont("Sans Serif", 11));
    int row = 0;
    for (const zarvel::Skin& skin : skins) {
        const int y = row * rowHeight;
        p.fillRect(QRect(labelWidth, y, 6 * cell, rowHeight), resgen::fromBgr(skin.trayBack));
        p.setPen(Qt::white);
        p.drawText(QRect(6, y, labelWidth - 8, rowHeight), Qt::AlignVCenter | Qt::AlignLeft, skin.entry);
        for (int v = 1; v <= 6; ++v) {
            // Decoded from the written bytes, so the sheet shows the real file.
            const QImage face = QImage::fromData(resgen::faceBitmap(skin, v), "BMP");
            const QImage big = face.scaled(face.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            p.drawImage(labelWidth + (v - 1) * cell + (cell - big.width()) / 2, y + (rowHeight - big.height()) / 2, big);
        }
        ++row;
    }
    p.end();
    return sheet.save(path, "PNG");
}

bool writeBackgroundSheet(const QString& path) {
    constexpr int columns = 4, label = 22;
    const int w = resgen::kBackgroundWidth, h = resgen::kBackgroundHeight;
    QImage sheet(columns * (w + 8), 3 * (h + label + 8), QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    p.setFont(QFont("Sans Serif", 10));
    for (int n = 1; n < int(zarvel::kBackgrounds.size()); ++n) {
        const zarvel::Background& b = zarvel::kBackgrounds[std::size_t(n)];
        const int x = ((n - 1) % columns) * (w + 8) + 4, y = ((n - 1) / columns) * (h + label + 8) + 4;
        p.drawImage(x, y + label, QImage::fromData(backgroundBytes(n)));
        p.setPen(Qt::white);
        p.drawText(QRect(x, y, w, label), Qt::AlignCenter, QString("%1  %2").arg(b.picture.id).arg(b.entry));
        // The game's labels where the game tray puts them (designed in
        // twips, 15 to the pixel), in the colour chosen with this picture.
        const QString colour = zarvel::kTextColours[std::size_t(b.textColour)].text;  // "&HBBGGRR"
        p.setPen(resgen::fromBgr(colour.mid(2).toUInt(nullptr, 16)));
        QFont font("MS Sans Serif");
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(11);
        p.setFont(font);
        const auto place = [&](int left, int top, int width, const QString& text, Qt::Alignment align) {
            p.drawText(QRect(x + left / 15, y + label + top / 15, width / 15, 17), align | Qt::AlignVCenter, text);
        };
        place(240, 3360, 1455, "Current Player:", Qt::AlignLeft);
        place(1920, 3360, 1695, "Player 2", Qt::AlignLeft);
        place(240, 3600, 1575, "Score this Turn:", Qt::AlignLeft);
        place(1920, 3600, 615, "350", Qt::AlignLeft);
        font.setBold(true);
        p.setFont(font);
        place(120, 2700, 3615, "Select dice or roll again.", Qt::AlignHCenter);
        p.setFont(QFont("Sans Serif", 10));
    }
    p.end();
    return sheet.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 2 && (args[0] == "--sheet" || args[0] == "--backgrounds")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return (args[0] == "--sheet" ? writeFaceSheet(args[1]) : writeBackgroundSheet(args[1])) ? 0 : 1;
    }
    if (args.size() != 1 || args[0].startsWith("--")) {
        std::fprintf(stderr, "usage: zarvel-resgen OUTDIR | --sheet FILE.png | --backgrounds FILE.png\n");
        return 2;
    }
    // Image plugins (JPEG) are found through the core application's paths;
    // no window system is needed.
    QCoreApplication app(argc, argv);
    return writeAll(args[0]) ? 0 : 1;
}
