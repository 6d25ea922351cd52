#include "platform/StaticText.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "platform/Fonts.h"

StaticText::StaticText(QWidget *parent) : RectControl(parent) {}

void StaticText::setText(const QString &text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void StaticText::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QFont font = Fonts::make(TextFont, TextSize, Bold, Italic, Underline);
    // Our default face runs wider than the one the layouts were drawn with:
    // a single line that would not fit its box is narrowed to fit, not cut.
    const int advance = QFontMetrics(font).horizontalAdvance(text_);
    if (!Multiline && advance > width() && width() > 0)
        font.setStretch(qMax(50, 100 * width() / advance));
    p.setFont(font);
    p.setPen(TextColor);
    Qt::Alignment align = TextAlign == 1   ? Qt::AlignHCenter
                          : TextAlign == 2 ? Qt::AlignRight
                                           : Qt::AlignLeft;
    int flags = static_cast<int>(align) | Qt::AlignTop;
    if (Multiline) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, text_);
}

void StaticText::mousePressEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    pressTaken_ = event->button() == Qt::LeftButton && MouseDown && MouseDown(pos.x(), pos.y());
    if (!pressTaken_) event->ignore();
}

void StaticText::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !pressTaken_) {
        event->ignore();
        return;
    }
    pressTaken_ = false;
    const QPoint pos = event->position().toPoint();
    if (MouseUp) MouseUp(pos.x(), pos.y());
}
