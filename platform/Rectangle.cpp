#include "platform/Rectangle.h"

#include <QPainter>

Rectangle::Rectangle(QWidget *parent) : RectControl(parent) {}

void Rectangle::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const int w = width(), h = height(), b = qMax(0, BorderWidth);
    p.fillRect(rect(), FillColor);
    if (b == 0) return;
    const QColor topLeft = TopLeftColor.isValid() ? TopLeftColor : BorderColor;
    const QColor bottomRight = BottomRightColor.isValid() ? BottomRightColor : BorderColor;
    // Each band is a trapezoid, so the two colours meet on the diagonals.
    p.setPen(Qt::NoPen);
    p.setBrush(topLeft);
    p.drawPolygon(QPolygon({{0, 0}, {w, 0}, {w - b, b}, {b, b}, {b, h - b}, {0, h}}));
    p.setBrush(bottomRight);
    p.drawPolygon(QPolygon({{w, 0}, {w, h}, {0, h}, {b, h - b}, {w - b, h - b}, {w - b, b}}));
}
