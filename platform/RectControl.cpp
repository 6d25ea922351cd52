#include "platform/RectControl.h"

#include "platform/Window.h"

RectControl::RectControl(QWidget *parent) : QWidget(parent) {}

QPoint RectControl::windowOffset() const {
    // The position of the parent's origin inside the window's content area.
    QPoint offset(0, 0);
    for (const QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (w->property("vidolinContent").toBool() || w->isWindow()) break;
        offset += w->pos();
    }
    return offset;
}

void RectControl::place(int left, int top, int w, int h) {
    const QPoint offset = windowOffset();
    setGeometry(left - offset.x(), top - offset.y(), w, h);
}

int RectControl::Left() const { return x() + windowOffset().x(); }
int RectControl::Top() const { return y() + windowOffset().y(); }
void RectControl::setLeft(int left) { move(left - windowOffset().x(), y()); }
void RectControl::setTop(int top) { move(x(), top - windowOffset().y()); }

Window *RectControl::window() const {
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *win = qobject_cast<Window *>(w)) return win;
    }
    return nullptr;
}

void RectControl::Refresh(bool) { update(); }
