#include "trace/PixelStamp.h"

#include "trace/RasterTarget.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <utility>
#include <vector>

namespace trace {

namespace {

// The painter's own product of a channel and a fraction of 255.
inline uint byteMul(uint x, uint a) {
    const uint t = x * a;
    return (t + (t >> 8) + 0x80) >> 8;
}

// `colour` over `below`, keeping `keep` of it, channel by channel.
inline QRgb blended(QRgb colour, QRgb keep, QRgb below) {
    QRgb out = 0xff000000;
    for (int shift = 0; shift < 24; shift += 8)
        out |= (((colour >> shift) & 0xff) + byteMul((below >> shift) & 0xff, (keep >> shift) & 0xff))
               << shift;
    return out;
}

// The same where the three channels keep alike (the pixel's coverage, not
// its colour's), with the channels multiplied at once as the painter does.
inline QRgb blendedEvenly(QRgb colour, uint keep, QRgb below) {
    quint64 t = ((quint64(below) | (quint64(below) << 24)) & 0x00ff00ff00ff00ffULL) * keep;
    t = ((t + ((t >> 8) & 0x00ff00ff00ff00ffULL) + 0x0080008000800080ULL) >> 8) & 0x00ff00ff00ff00ffULL;
    return 0xff000000 | ((colour & 0xffffff) + ((uint(t) | uint(t >> 24)) & 0xffffff));
}

QRgb pattern(int x, int y) {
    return 0xff000000 | QRgb((x * 29 + y * 53) & 0xff) << 16 | QRgb((x * 71 + y * 7 + 85) & 0xff) << 8 |
           QRgb((x * 13 + y * 37 + 170) & 0xff);
}

QImage patternOf(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = pattern(x, y);
    }
    return image;
}

// `draw` over `under`, which must be as large as `area`, or over one colour.
QImage drawnOver(const QRect& area, const QPaintDevice& like, const std::function<void(QPainter&)>& draw,
                 const QImage& under, QRgb colour = 0) {
    QImage image = under.isNull() ? QImage(area.size(), QImage::Format_RGB32) : under.copy();
    if (under.isNull()) image.fill(colour);
    // Laid out with the target's font metrics.
    image.setDotsPerMeterX(int(std::lround(like.logicalDpiX() / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(like.logicalDpiY() / 0.0254)));
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    draw(painter);
    return image;
}

} // namespace

std::optional<PixelStamp> PixelStamp::take(const QList<QRect>& areas, const QPaintDevice& like,
                                           const std::function<void(QPainter&)>& draw) {
    PixelStamp stamp;
    for (const QRect& area : areas)
        if (!area.isEmpty() && !stamp.add(area, like, draw)) return std::nullopt;
    return stamp;
}

bool PixelStamp::add(const QRect& area, const QPaintDevice& like,
                     const std::function<void(QPainter&)>& draw) {
    const QImage overBlack = drawnOver(area, like, draw, {}, 0xff000000);
    const QImage overWhite = drawnOver(area, like, draw, {}, 0xffffffff);
    const QImage under = patternOf(area.size());
    const QImage overPattern = drawnOver(area, like, draw, under);
    QImage keep(area.size(), QImage::Format_RGB32);
    // Rows with the same runs of touched pixels make one band of pieces.
    using Runs = std::vector<std::pair<int, int>>;
    Runs band, row;
    int bandTop = 0;
    const auto closeBand = [&](int bottom) {
        for (const auto& [from, to] : band) {
            const QRect r(from, bandTop, to - from, bottom - bandTop);
            pieces_.append({r.translated(area.topLeft()), overBlack.copy(r), keep.copy(r)});
        }
    };
    for (int y = 0; y < area.height(); ++y) {
        const auto* black = reinterpret_cast<const QRgb*>(overBlack.constScanLine(y));
        const auto* white = reinterpret_cast<const QRgb*>(overWhite.constScanLine(y));
        const auto* patterned = reinterpret_cast<const QRgb*>(overPattern.constScanLine(y));
        const auto* below = reinterpret_cast<const QRgb*>(under.constScanLine(y));
        auto* kept = reinterpret_cast<QRgb*>(keep.scanLine(y));
        row.clear();
        for (int x = 0; x < area.width(); ++x) {
            const QRgb b = black[x] | 0xff000000, w = white[x] | 0xff000000;
            if (b == 0xff000000 && w == 0xffffffff && patterned[x] == below[x]) {
                kept[x] = 0xffffffff;
                continue;
            }
            QRgb k = 0xff000000;
            for (int shift = 0; shift < 24; shift += 8) {
                const uint bc = (b >> shift) & 0xff, wc = (w >> shift) & 0xff;
                if (wc < bc) return false;
                k |= (wc - bc) << shift;
            }
            if (blended(b, k, below[x]) != (patterned[x] | 0xff000000)) return false;
            kept[x] = k;
            if (b == 0xff000000 && w == 0xffffffff) continue;
            if (!row.empty() && row.back().second == x) ++row.back().second;
            else row.emplace_back(x, x + 1);
        }
        if (row == band) continue;
        closeBand(y);
        std::swap(band, row);
        bandTop = y;
    }
    closeBand(area.height());
    return true;
}

bool PixelStamp::put(QPainter& painter) const {
    const std::optional<RasterTarget> target = RasterTarget::of(painter);
    if (!target) return false;
    const QTransform& t = target->toDevice;
    if (t.dx() != std::round(t.dx()) || t.dy() != std::round(t.dy())) return false;
    const QPoint offset(int(t.dx()), int(t.dy()));
    for (const Piece& piece : pieces_) {
        const QRect at = piece.at.translated(offset);
        for (const QRect& clip : target->clip) {
            const QRect r = at & clip;
            for (int y = r.top(); y <= r.bottom(); ++y) {
                quint32* line = target->row(y);
                const auto* colour = reinterpret_cast<const QRgb*>(piece.colour.constScanLine(y - at.top()));
                const auto* keep = reinterpret_cast<const QRgb*>(piece.below.constScanLine(y - at.top()));
                for (int x = r.left(); x <= r.right(); ++x) {
                    const QRgb c = colour[x - at.left()], k = keep[x - at.left()] & 0xffffff;
                    if (k == 0) line[x] = c;
                    else if (k == (k & 0xff) * 0x010101) line[x] = blendedEvenly(c, k & 0xff, line[x]);
                    else line[x] = blended(c, k, line[x]);
                }
            }
        }
    }
    return true;
}

} // namespace trace
