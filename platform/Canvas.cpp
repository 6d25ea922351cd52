#include "platform/Canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

Canvas::Canvas(QWidget *parent) : RectControl(parent), surface_(1, 1) {
    surface_.image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    surface_.image.fill(Qt::transparent);
    surface_.changed = [this] {
        if (!painting_) update();
    };
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

Canvas::~Canvas() = default;

void Canvas::fitSurface() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    if (surface_.image.size() == wanted) return;
    surface_.image = QImage(wanted, QImage::Format_ARGB32_Premultiplied);
    erase();
    needsPaint_ = true;
}

Graphics &Canvas::graphics() {
    // Drawing before the first paint (an event handler) still needs a surface of
    // the control's size.
    fitSurface();
    return surface_.graphics();
}

void Canvas::setBackdrop(const PicturePtr &picture) {
    Backdrop = picture;
    Refresh(true);
}

void Canvas::erase() {
    surface_.image.fill(Qt::transparent);
    if (Backdrop) {
        QPainter p(&surface_.image);
        p.drawImage(QPoint(0, 0), Backdrop->drawable());
    }
}

void Canvas::Refresh(bool eraseFirst) {
    if (eraseFirst && !surface_.image.isNull()) erase();
    needsPaint_ = true;
    update();
}

void Canvas::paintIfNeeded() {
    fitSurface();
    if (!needsPaint_) return;
    needsPaint_ = false;
    painting_ = true;
    Paint(surface_.graphics());
    painting_ = false;
}

QImage Canvas::surfaceImage() {
    paintIfNeeded();
    return surface_.image;
}

void Canvas::paintEvent(QPaintEvent *) {
    paintIfNeeded();
    QPainter p(this);
    p.drawImage(QPoint(0, 0), surface_.image);
}

void Canvas::resizeEvent(QResizeEvent *) { needsPaint_ = true; }

void Canvas::Paint(Graphics &g) {
    if (onPaint) onPaint(g);
}
bool Canvas::MouseDown(int x, int y) { return onMouseDown ? onMouseDown(x, y) : false; }
void Canvas::MouseDrag(int x, int y) {
    if (onMouseDrag) onMouseDrag(x, y);
}
void Canvas::MouseUp(int x, int y) {
    if (onMouseUp) onMouseUp(x, y);
}
void Canvas::MouseMove(int x, int y) {
    if (onMouseMove) onMouseMove(x, y);
}
void Canvas::MouseEnter() {
    if (onMouseEnter) onMouseEnter();
}
void Canvas::MouseExit() {
    if (onMouseExit) onMouseExit();
}

bool Canvas::MouseWheel(int x, int y, int deltaX, int deltaY) {
    return onMouseWheel ? onMouseWheel(x, y, deltaX, deltaY) : false;
}

void Canvas::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    pressTaken_ = MouseDown(pos.x(), pos.y());
    if (!pressTaken_) event->ignore();
}

void Canvas::mouseMoveEvent(QMouseEvent *event) {
    const QPoint pos = event->position().toPoint();
    if (event->buttons() & Qt::LeftButton) {
        if (pressTaken_) {
            MouseDrag(pos.x(), pos.y());
        } else {
            event->ignore();
        }
    } else {
        MouseMove(pos.x(), pos.y());
    }
}

void Canvas::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || !pressTaken_) {
        event->ignore();
        return;
    }
    pressTaken_ = false;
    const QPoint pos = event->position().toPoint();
    MouseUp(pos.x(), pos.y());
}

void Canvas::enterEvent(QEnterEvent *) { MouseEnter(); }
void Canvas::leaveEvent(QEvent *) { MouseExit(); }

void Canvas::wheelEvent(QWheelEvent *event) {
    // Qt counts a turn away from the user (scrolling up) as positive.
    const QPoint turn = event->angleDelta();
    const QPoint pos = event->position().toPoint();
    if (!MouseWheel(pos.x(), pos.y(), -turn.x(), -turn.y())) event->ignore();
}
