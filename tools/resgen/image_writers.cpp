#include "image_writers.h"

#include <QBuffer>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

namespace resgen {

int nearestIndex(const QList<QColor>& palette, QRgb c) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const QRgb p = palette[i].rgb();
        const int dr = qRed(p) - qRed(c), dg = qGreen(p) - qGreen(c), db = qBlue(p) - qBlue(c);
        const int d = 2 * dr * dr + 4 * dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QByteArray writeBmp24(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt writes a 32-bit image as a 24-bit bitmap, and an indexed one of at
    // most 16 colours as a 4-bit bitmap.
    return image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP") ? bytes : QByteArray();
}

QByteArray writeBmp4(const QImage& source, const QList<QColor>& palette) {
    Q_ASSERT(!palette.isEmpty() && palette.size() <= 16);
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (const QColor& c : palette) table << c.rgb();
    indexed.setColorTable(table);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) out[x] = uchar(nearestIndex(palette, line[x]));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return indexed.save(&buffer, "BMP") ? bytes : QByteArray();
}

namespace {

void put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

// Median cut over the distinct colours weighted by their pixel counts.
QList<QColor> medianCutPalette(const QImage& image, int maxColours) {
    struct Entry {
        std::array<int, 3> c;
        int count;
    };
    std::unordered_map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) ++counts[line[x] | 0xFF000000u];
    }
    std::vector<Entry> entries;
    entries.reserve(counts.size());
    for (const auto& [rgb, n] : counts) entries.push_back({{qRed(rgb), qGreen(rgb), qBlue(rgb)}, n});
    // Hash order is not stable between library versions; sort for a fixed result.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.c < b.c; });

    struct Box {
        std::size_t begin, end;
    };
    std::vector<Box> boxes{{0, entries.size()}};
    auto rangeOf = [&](const Box& b, int& axis) {
        int bestRange = -1;
        for (int a = 0; a < 3; ++a) {
            int lo = 255, hi = 0;
            for (std::size_t i = b.begin; i < b.end; ++i) {
                lo = std::min(lo, entries[i].c[a]);
                hi = std::max(hi, entries[i].c[a]);
            }
            if (hi - lo > bestRange) {
                bestRange = hi - lo;
                axis = a;
            }
        }
        return bestRange;
    };
    while (int(boxes.size()) < maxColours) {
        int pick = -1, pickAxis = 0;
        long bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            int axis = 0;
            const int range = rangeOf(boxes[i], axis);
            long weight = 0;
            for (std::size_t k = boxes[i].begin; k < boxes[i].end; ++k) weight += entries[k].count;
            const long score = long(range) * long(range) * (1 + weight / 64);
            if (score > bestScore) {
                bestScore = score;
                pick = int(i);
                pickAxis = axis;
            }
        }
        if (pick < 0) break;
        Box& box = boxes[std::size_t(pick)];
        std::sort(entries.begin() + long(box.begin), entries.begin() + long(box.end),
                  [pickAxis](const Entry& a, const Entry& b) { return a.c[pickAxis] < b.c[pickAxis]; });
        long total = 0;
        for (std::size_t k = box.begin; k < box.end; ++k) total += entries[k].count;
        long running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t k = box.begin; k < box.end - 1; ++k) {
            running += entries[k].count;
            split = k + 1;
            if (running * 2 >= total) break;
        }
        const Box upper{split, box.end};
        box.end = split;
        boxes.push_back(upper);
    }
    QList<QColor> palette;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (std::size_t k = b.begin; k < b.end; ++k) {
            for (int a = 0; a < 3; ++a) sum[a] += double(entries[k].c[a]) * entries[k].count;
            n += entries[k].count;
        }
        palette.append(QColor(int(sum[0] / n + 0.5), int(sum[1] / n + 0.5), int(sum[2] / n + 0.5)));
    }
    return palette;
}

// Variable-length LZW codes packed into GIF sub-blocks.
class LzwPacker {
public:
    explicit LzwPacker(QByteArray& out) : out_(out) {}
    void write(int code, int bits) {
        buffer_ |= std::uint32_t(code) << filled_;
        filled_ += bits;
        while (filled_ >= 8) {
            pushByte(char(buffer_ & 0xFF));
            buffer_ >>= 8;
            filled_ -= 8;
        }
    }
    void finish() {
        if (filled_ > 0) pushByte(char(buffer_ & 0xFF));
        flushBlock();
        out_.append('\0');
    }

private:
    void pushByte(char b) {
        block_.append(b);
        if (block_.size() == 255) flushBlock();
    }
    void flushBlock() {
        if (block_.isEmpty()) return;
        out_.append(char(block_.size()));
        out_.append(block_);
        block_.clear();
    }
    QByteArray& out_;
    QByteArray block_;
    std::uint32_t buffer_ = 0;
    int filled_ = 0;
};

}  // namespace

QByteArray writeGif(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    QList<QColor> palette = medianCutPalette(image, 256);
    while (palette.size() < 256) palette.append(QColor(Qt::black));

    // Nearest-colour lookup on 5 bits per channel keeps the mapping fast.
    std::vector<int> cache(32 * 32 * 32, -1);
    std::vector<std::uint8_t> indices(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            const int key = ((qRed(c) >> 3) << 10) | ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3);
            if (cache[std::size_t(key)] < 0) {
                const QRgb centre = qRgb((qRed(c) & 0xF8) | 4, (qGreen(c) & 0xF8) | 4, (qBlue(c) & 0xF8) | 4);
                cache[std::size_t(key)] = nearestIndex(palette, centre);
            }
            indices[std::size_t(y) * std::size_t(w) + std::size_t(x)] = std::uint8_t(cache[std::size_t(key)]);
        }
    }

    QByteArray out("GIF89a");
    put16(out, w);
    put16(out, h);
    out.append(char(0xF7));  // global table, 8 bits colour resolution, 256 entries
    out.append('\0');
    out.append('\0');
    for (const QColor& c : palette) {
        out.append(char(c.red()));
        out.append(char(c.green()));
        out.append(char(c.blue()));
    }
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, w);
    put16(out, h);
    out.append('\0');

    constexpr int minCodeSize = 8;
    constexpr int clearCode = 1 << minCodeSize;
    constexpr int endCode = clearCode + 1;
    out.append(char(minCodeSize));
    LzwPacker packer(out);
    std::unordered_map<std::uint32_t, int> table;
    int nextCode = endCode + 1;
    int codeBits = minCodeSize + 1;
    packer.write(clearCode, codeBits);
    int prefix = indices.empty() ? -1 : indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint32_t key = (std::uint32_t(prefix) << 8) | indices[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.write(prefix, codeBits);
        if (nextCode < 4096) {
            table.emplace(key, nextCode);
            // The decoder widens its codes once the code just added reaches the current width.
            if (nextCode == (1 << codeBits) && codeBits < 12) ++codeBits;
            ++nextCode;
        } else {
            packer.write(clearCode, codeBits);
            table.clear();
            nextCode = endCode + 1;
            codeBits = minCodeSize + 1;
        }
        prefix = indices[i];
    }
    if (prefix >= 0) packer.write(prefix, codeBits);
    packer.write(endCode, codeBits);
    packer.finish();
    out.append(';');
    return out;
}

}  // namespace resgen
