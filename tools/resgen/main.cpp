// zarvel-resgen: writes every file the game carries into one folder.
//
//   zarvel-resgen OUTDIR            bitmap/<id>.bmp, custom/<id>, picture/*.png, icon/zarvel.png,
//                                   and the larger variants at each scale N of the art (2, 3, 6):
//                                   bitmap/<id>@Nx.png, hires/<background id>@Nx.jpg, picture/<name>@Nx.png
//   zarvel-resgen --carried OUTDIR  only the carried files, without the variants
//   zarvel-resgen --scale N OUTDIR  only the variants at scale N (the build runs them side by side)
//   zarvel-resgen --sheet FILE      all 96 die faces, three times their size, one skin a row
//   zarvel-resgen --backgrounds FILE  the eleven backgrounds side by side
//   zarvel-resgen --sheet2x FILE    the faces, marker, divider and pictures as carried, doubled
//                                   pixel for pixel, beside their 2x variants; labels at 2x
//   zarvel-resgen --backgrounds2x FILE  the same for the backgrounds, with the game's labels
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

#include <algorithm>
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

bool makeFolders(const QString& outDir) {
    QDir root(outDir);
    for (const char* sub : {"bitmap", "custom", "picture", "icon", "hires"}) {
        if (!root.mkpath(sub)) {
            std::fprintf(stderr, "zarvel-resgen: cannot create %s/%s\n", qPrintable(outDir), sub);
            return false;
        }
    }
    return true;
}

// The files carried at their own size.
bool writeCarried(const QString& outDir) {
    if (!makeFolders(outDir)) return false;
    QDir root(outDir);
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
    return ok;
}

// Every bitmap and picture (not the icon) drawn at `scale` times its size.
bool writeVariants(const QString& outDir, int scale) {
    if (!makeFolders(outDir)) return false;
    QDir root(outDir);
    bool ok = true;
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

// The larger sheets are drawn at twice the pixels, so that the labels are
// text as a screen at a scale of 2 shows it; each picture's 1x file,
// doubled pixel for pixel as the game would show it without the variant,
// lies beside its 2x variant.
QImage sheetAtTwice(int width, int height, const QColor& ground) {
    QImage sheet(width * 2, height * 2, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(2);
    sheet.fill(ground);
    return sheet;
}

QImage atTwice(const QByteArray& variant) {
    QImage image = QImage::fromData(variant);
    image.setDevicePixelRatio(2);
    return image;
}

bool writeFaceSheetAtTwice(const QString& path) {
    constexpr int labelWidth = 84, cell = 36, pair = 2 * cell + 8, rowHeight = 38, smallRow = 56;
    const auto& skins = zarvel::kSkins;
    const QImage congrats = resgen::congratsPicture(1);
    const int width = std::max(labelWidth + 6 * pair, labelWidth + 2 * congrats.width() + 24);
    const int height = int(skins.size()) * rowHeight + 6 + smallRow + congrats.height() + 8;
    QImage sheet = sheetAtTwice(width, height, QColor(48, 48, 56));
    QPainter p(&sheet);
    p.setFont(QFont("Sans Serif", 9));
    const auto label = [&](const QRect& r, const QString& text) {
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text);
    };
    // Centred in their halves of the pair's box.
    const auto drawPair = [&](const QRect& box, const QImage& onex, const QImage& twice) {
        const QSize size = onex.size();
        const int top = box.top() + (box.height() - size.height()) / 2, half = box.width() / 2;
        p.drawImage(box.left() + (half - size.width()) / 2, top, onex);
        p.drawImage(box.left() + half + (half - size.width()) / 2, top, twice);
    };
    int y = 0;
    for (const zarvel::Skin& skin : skins) {
        p.fillRect(QRect(labelWidth, y, 6 * pair, rowHeight), resgen::fromBgr(skin.trayBack));
        label(QRect(6, y, labelWidth - 8, rowHeight), skin.entry);
        for (int v = 1; v <= 6; ++v)
            drawPair(QRect(labelWidth + (v - 1) * pair, y, 2 * cell, rowHeight),
                     QImage::fromData(resgen::faceBitmap(skin, v), "BMP"),
                     atTwice(variantPng(resgen::faceImage(skin, v, 2))));
        y += rowHeight;
    }
    y += 6;
    label(QRect(6, y, labelWidth - 8, smallRow), "Marker, divider, about box");
    int x = labelWidth;
    const auto next = [&](const QImage& onex, const QByteArray& twice) {
        const int w = 2 * onex.width() + 16;
        drawPair(QRect(x, y, w, smallRow), onex, atTwice(twice));
        x += w + 16;
    };
    next(QImage::fromData(resgen::markerBitmap(), "BMP"), variantPng(resgen::markerImage(2)));
    next(QImage::fromData(resgen::dividerBitmap(), "BMP"), variantPng(resgen::dividerImage(2)));
    for (int which = 1; which <= 2; ++which)
        next(resgen::aboutDiePicture(which, 1), variantPng(resgen::aboutDiePicture(which, 2)));
    y += smallRow;
    label(QRect(6, y, labelWidth - 8, congrats.height()), "Winner");
    drawPair(QRect(labelWidth, y, 2 * congrats.width() + 16, congrats.height()), congrats,
             atTwice(variantPng(resgen::congratsPicture(2))));
    p.end();
    return sheet.save(path, "PNG");
}

// The game's labels where the game tray puts them over the picture whose
// top left is (x, y) (designed in twips, 15 to the pixel), in the colour
// chosen with the picture.
void drawTrayLabels(QPainter& p, int x, int y, const zarvel::Background& b) {
    const QString colour = zarvel::kTextColours[std::size_t(b.textColour)].text;  // "&HBBGGRR"
    p.setPen(resgen::fromBgr(colour.mid(2).toUInt(nullptr, 16)));
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    p.setFont(font);
    const auto place = [&](int left, int top, int width, const QString& text, Qt::Alignment align) {
        p.drawText(QRect(x + left / 15, y + top / 15, width / 15, 17), align | Qt::AlignVCenter, text);
    };
    place(240, 3360, 1455, "Current Player:", Qt::AlignLeft);
    place(1920, 3360, 1695, "Player 2", Qt::AlignLeft);
    place(240, 3600, 1575, "Score this Turn:", Qt::AlignLeft);
    place(1920, 3600, 615, "350", Qt::AlignLeft);
    font.setBold(true);
    p.setFont(font);
    place(120, 2700, 3615, "Select dice or roll again.", Qt::AlignHCenter);
}

// The eleven backgrounds as carried with the labels over them; at twice the
// pixels, each beside its 2x variant.
bool writeBackgroundSheet(const QString& path, bool atTwiceTheSize) {
    const int columns = atTwiceTheSize ? 3 : 4, label = 22, rows = (11 + columns - 1) / columns;
    const int w = resgen::kBackgroundWidth, h = resgen::kBackgroundHeight;
    const int cellWidth = atTwiceTheSize ? 2 * w + 12 : w + 8;
    const int width = columns * cellWidth, height = rows * (h + label + 8);
    QImage sheet = atTwiceTheSize ? sheetAtTwice(width, height, QColor(40, 40, 40)) : QImage(width, height, QImage::Format_RGB32);
    if (!atTwiceTheSize) sheet.fill(QColor(40, 40, 40));
    QPainter p(&sheet);
    for (int n = 1; n < int(zarvel::kBackgrounds.size()); ++n) {
        const zarvel::Background& b = zarvel::kBackgrounds[std::size_t(n)];
        const int x = ((n - 1) % columns) * cellWidth + 4, y = ((n - 1) / columns) * (h + label + 8) + 4;
        p.setFont(QFont("Sans Serif", 10));
        p.setPen(Qt::white);
        p.drawText(QRect(x, y, atTwiceTheSize ? 2 * w : w, label), Qt::AlignCenter,
                   QString("%1  %2").arg(b.picture.id).arg(b.entry) + (atTwiceTheSize ? "  (1x | 2x)" : ""));
        p.drawImage(x, y + label, QImage::fromData(backgroundBytes(n)));
        drawTrayLabels(p, x, y + label, b);
        if (atTwiceTheSize) {
            p.drawImage(x + w + 4, y + label, atTwice(hiresBackgroundBytes(n, 2)));
            drawTrayLabels(p, x + w + 4, y + label, b);
        }
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
    const QStringList sheets{"--sheet", "--backgrounds", "--sheet2x", "--backgrounds2x"};
    if (args.size() == 2 && sheets.contains(args[0])) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        const QString& file = args[1];
        const bool ok = args[0] == "--sheet"         ? writeFaceSheet(file)
                        : args[0] == "--sheet2x"     ? writeFaceSheetAtTwice(file)
                        : args[0] == "--backgrounds" ? writeBackgroundSheet(file, false)
                                                     : writeBackgroundSheet(file, true);
        return ok ? 0 : 1;
    }
    const auto isScale = [](const QString& text) {
        return std::find(zarvel::kArtScales.begin(), zarvel::kArtScales.end(), text.toInt()) != zarvel::kArtScales.end();
    };
    const bool all = args.size() == 1 && !args[0].startsWith("--");
    const bool carried = args.size() == 2 && args[0] == "--carried";
    const bool scale = args.size() == 3 && args[0] == "--scale" && isScale(args[1]);
    if (!all && !carried && !scale) {
        std::fprintf(stderr, "usage: zarvel-resgen OUTDIR | --carried OUTDIR | --scale N OUTDIR\n"
                             "                     | --sheet FILE.png | --backgrounds FILE.png\n"
                             "                     | --sheet2x FILE.png | --backgrounds2x FILE.png\n");
        return 2;
    }
    // Image plugins (JPEG) are found through the core application's paths;
    // no window system is needed.
    QCoreApplication app(argc, argv);
    if (scale) return writeVariants(args[2], args[1].toInt()) ? 0 : 1;
    bool ok = writeCarried(args.last());
    if (all)
        for (const int s : zarvel::kArtScales) ok &= writeVariants(args[0], s);
    return ok ? 0 : 1;
}
