#include "platform/ScrollBar.h"

#include <QScrollBar>
#include <QWheelEvent>

ScrollBar::ScrollBar(QWidget *parent, Qt::Orientation orientation)
    : RectControl(parent), bar_(new QScrollBar(orientation, this)) {
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->installEventFilter(this);
    connect(bar_, &QScrollBar::valueChanged, this, [this] {
        if (ValueChanged) ValueChanged();
    });
}

int ScrollBar::Value() const { return bar_->value(); }
void ScrollBar::setValue(int value) { bar_->setValue(value); }
void ScrollBar::setMinimum(int value) { bar_->setMinimum(value); }
void ScrollBar::setMaximum(int value) { bar_->setMaximum(value); }
void ScrollBar::setLineStep(int value) { bar_->setSingleStep(value); }
void ScrollBar::setPageStep(int value) { bar_->setPageStep(value); }
void ScrollBar::setLiveScroll(bool live) { bar_->setTracking(live); }

void ScrollBar::resizeEvent(QResizeEvent *) { bar_->setGeometry(rect()); }

bool ScrollBar::eventFilter(QObject *watched, QEvent *event) {
    if (watched == bar_ && event->type() == QEvent::Wheel && MouseWheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        const QPoint turn = wheel->angleDelta();
        const QPoint pos = wheel->position().toPoint();
        return MouseWheel(pos.x(), pos.y(), -turn.x(), -turn.y());
    }
    return RectControl::eventFilter(watched, event);
}
