#pragma once

#include <QColor>

#include "platform/RectControl.h"

// A filled rectangle with a border; with two border colours it is drawn
// bevelled (top and left in one, bottom and right in the other).
class Rectangle : public RectControl {
    Q_OBJECT
public:
    explicit Rectangle(QWidget *parent = nullptr);

    QColor FillColor = Qt::white;
    QColor BorderColor = Qt::black;
    int BorderWidth = 1;
    QColor TopLeftColor;
    QColor BottomRightColor;

protected:
    void paintEvent(QPaintEvent *event) override;
};
