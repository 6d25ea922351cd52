#include "platform/Graphics.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>

#include "platform/Fonts.h"

namespace {

// A painter for one drawing operation: aliased shapes, antialiased text.
class Painter : public QPainter {
public:
    explicit Painter(Picture *target) : QPainter(&target->image), target_(target) {
        setRenderHint(QPainter::Antialiasing, false);
        setRenderHint(QPainter::TextAntialiasing, true);
    }
    ~Painter() {
        end();
        if (target_->changed) target_->changed();
    }

private:
    Picture *target_;
};

}  // namespace

Graphics::Graphics(Picture *target) : target_(target) {}

int Graphics::Width() const { return target_->image.width(); }
int Graphics::Height() const { return target_->image.height(); }

QFont Graphics::font() const { return Fonts::make(TextFont, TextSize, Bold, Italic, Underline); }

void Graphics::FillRect(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    Painter p(target_);
    p.fillRect(QRect(x, y, w, h), ForeColor);
}

void Graphics::DrawRect(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    Painter p(target_);
    p.setPen(QPen(ForeColor, 0));
    p.setBrush(Qt::NoBrush);
    // Qt's outline of (x, y, w, h) covers w + 1 × h + 1 pixels.
    p.drawRect(QRect(x, y, w - 1, h - 1));
}

void Graphics::FillRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight) {
    if (w <= 0 || h <= 0) return;
    Painter p(target_);
    if (arcWidth <= 0 || arcHeight <= 0 || w == 1 || h == 1) {
        p.fillRect(QRect(x, y, w, h), ForeColor);
        return;
    }
    // Filled and outlined together on the outline's path, so that a filled
    // shape covers exactly the pixels within DrawRoundRect's outline of it;
    // a plain fill of (x, y, w, h) sits half a pixel off at the arcs.
    p.setPen(QPen(ForeColor, 0));
    p.setBrush(ForeColor);
    p.drawRoundedRect(QRectF(x, y, w - 1, h - 1), arcWidth / 2.0, arcHeight / 2.0);
}

void Graphics::DrawRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight) {
    if (w <= 0 || h <= 0) return;
    Painter p(target_);
    p.setPen(QPen(ForeColor, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x, y, w - 1, h - 1), arcWidth / 2.0, arcHeight / 2.0);
}

void Graphics::FillOval(int x, int y, int w, int h) {
    if (w <= 0 || h <= 0) return;
    Painter p(target_);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(ForeColor);
    p.drawEllipse(QRectF(x, y, w, h));
}

void Graphics::DrawLine(int x1, int y1, int x2, int y2) {
    Painter p(target_);
    p.setPen(QPen(ForeColor, 0));
    p.drawLine(x1, y1, x2, y2);
    // Aliased lines in Qt leave out their last point; the framework's include it.
    p.drawPoint(x2, y2);
}

void Graphics::DrawPicture(const PicturePtr &picture, int x, int y) {
    if (!picture) return;
    Painter p(target_);
    p.drawImage(QPoint(x, y), picture->drawable());
}

void Graphics::DrawPicture(const PicturePtr &picture, int x, int y, int destWidth, int destHeight,
                           int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
    if (!picture || destWidth <= 0 || destHeight <= 0) return;
    Painter p(target_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(QRect(x, y, destWidth, destHeight), picture->drawable(),
                QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}

void Graphics::DrawString(const QString &text, int x, int y) {
    if (text.isEmpty()) return;
    Painter p(target_);
    p.setPen(ForeColor);
    p.setFont(font());
    p.drawText(QPoint(x, y), text);
}

double Graphics::StringWidth(const QString &text) const {
    return QFontMetricsF(font()).horizontalAdvance(text);
}

int Graphics::StringHeight(const QString &text, int wrapWidth) const {
    const QFontMetrics metrics(font());
    if (wrapWidth <= 0) return metrics.height() * (int(text.count('\n')) + 1);
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, wrapWidth, 100000), Qt::TextWordWrap, text);
    return bounds.height();
}

int Graphics::TextHeight() const { return QFontMetrics(font()).height(); }

int Graphics::TextAscent() const { return QFontMetrics(font()).ascent(); }
