#pragma once

#include "platform/RectControl.h"

class QScrollBar;

class ScrollBar : public RectControl {
    Q_OBJECT
public:
    ScrollBar(QWidget *parent, Qt::Orientation orientation);

    int Value() const;
    void setValue(int value);
    void setMinimum(int value);
    void setMaximum(int value);
    void setLineStep(int value);
    void setPageStep(int value);

    std::function<void()> ValueChanged;

    QScrollBar *bar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QScrollBar *bar_;
};
