#include "trace/RasterTarget.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <cmath>

namespace trace {

namespace {

// The pixels whose centres lie in `r`, as the painter clips to a rectangle.
QRect pixelsOf(const QRectF& r) {
    const int left = int(std::ceil(r.left() - 0.5)), top = int(std::ceil(r.top() - 0.5));
    const int right = int(std::ceil(r.right() - 0.5)), bottom = int(std::ceil(r.bottom() - 0.5));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

std::optional<RasterTarget> RasterTarget::of(QPainter& painter) {
    QPaintEngine* engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster) return std::nullopt;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    // Shared pixels would be copied by the write, away from the painter's.
    if (!image->isDetached()) return std::nullopt;
    if (painter.testRenderHint(QPainter::Antialiasing) || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    const QTransform toDevice = painter.deviceTransform();
    if (toDevice.type() > QTransform::TxTranslate) return std::nullopt;

    RasterTarget t;
    t.toDevice = toDevice;
    QRegion clip(image->rect());
    if (painter.hasClipping()) clip &= QRegion(pixelsOf(toDevice.mapRect(painter.clipBoundingRect())));
    const QRegion system = engine->systemClip();
    if (!system.isEmpty()) clip &= system;
    for (const QRect& rect : clip) t.clip.append(rect);
    t.bits = image->bits();
    t.stride = image->bytesPerLine();
    return t;
}

} // namespace trace
