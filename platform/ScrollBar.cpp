#include "platform/ScrollBar.h"

#include <QScrollBar>

ScrollBar::ScrollBar(QWidget *parent, Qt::Orientation orientation)
    : RectControl(parent), bar_(new QScrollBar(orientation, this)) {
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

void ScrollBar::resizeEvent(QResizeEvent *) { bar_->setGeometry(rect()); }
