#include "boardpicture.h"

#include "look/twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

BoardPicture::BoardPicture(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

// The image follows the widget's size and the screen's density.
void BoardPicture::fitImage()
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
    if (image_.size() == deviceSize && image_.devicePixelRatio() == ratio)
        return;
    QImage fitted(deviceSize, QImage::Format_RGB32);
    fitted.setDevicePixelRatio(ratio);
    fitted.fill(Qt::white);
    if (!image_.isNull()) {
        // What was drawn stays; after a move to a screen of another density it is scaled until the next repaint.
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPointF(0, 0), image_);
    }
    image_ = fitted;
}

int BoardPicture::deviceFromTwips(double twips) const
{
    return static_cast<int>(std::lround(twips * image_.devicePixelRatio() / kTwipsPerPixel));
}

const QImage& BoardPicture::image()
{
    fitImage();
    return image_;
}

void BoardPicture::clear()
{
    fitImage();
    image_.fill(Qt::white);
    changed();
}

// Each edge goes to the nearest device pixel, so neighbouring cells meet without a gap or an overlap.
QRect BoardPicture::deviceBox(int x1, int y1, int x2, int y2) const
{
    return QRect(QPoint(deviceFromTwips(std::min(x1, x2)), deviceFromTwips(std::min(y1, y2))),
                 QPoint(deviceFromTwips(std::max(x1, x2) + 1) - 1, deviceFromTwips(std::max(y1, y2) + 1) - 1))
        .intersected(image_.rect());
}

void BoardPicture::fillBox(int x1, int y1, int x2, int y2, const QColor& colour)
{
    fitImage();
    const QRect box = deviceBox(x1, y1, x2, y2);
    if (box.isEmpty())
        return;
    const QRgb rgb = colour.rgb();
    uchar* const bits = image_.bits();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * image_.bytesPerLine());
        std::fill(line + box.left(), line + box.right() + 1, rgb);
    }
    changed();
}

void BoardPicture::drawLine(int x1, int y1, int x2, int y2, const QColor& colour)
{
    fitImage();
    const QRect box = deviceBox(x1, y1, x2, y2);
    if (box.isEmpty())
        return;
    // Drawn in device pixels, unsmoothed and as wide as a pixel at 96 dots per inch, so it looks alike at
    // every scale; the stroke keeps within the box its two ends span, as a box filled between them would.
    const qreal ratio = image_.devicePixelRatio();
    const qreal perTwip = ratio / kTwipsPerPixel;
    image_.setDevicePixelRatio(1);
    {
        QPainter painter(&image_);
        painter.setClipRect(box);
        painter.setPen(QPen(colour, ratio, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QPointF(x1, y1) * perTwip, QPointF(x2, y2) * perTwip);
    }
    image_.setDevicePixelRatio(ratio);
    changed();
}

// A repaint changes hundreds of squares; the window is asked once to show them.
void BoardPicture::changed()
{
    if (updatePending_)
        return;
    updatePending_ = true;
    update();
}

// Until the first drawing the board is white, and a blank board holds no picture in memory.
void BoardPicture::resizeEvent(QResizeEvent*)
{
    if (!image_.isNull())
        fitImage();
}

void BoardPicture::paintEvent(QPaintEvent*)
{
    updatePending_ = false;
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    fitImage();
    painter.drawImage(QPoint(0, 0), image_);
}

void BoardPicture::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseUp(event->button(), event->modifiers(), static_cast<float>(event->position().x() * kTwipsPerPixel),
                 static_cast<float>(event->position().y() * kTwipsPerPixel));
}
