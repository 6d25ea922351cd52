#pragma once

#include "platform/RectControl.h"

class QScrollBar;

// A scroll bar. It takes no keyboard focus; with LiveScroll on (the default)
// the value changes while the thumb is dragged, otherwise once it is let go.
class ScrollBar : public RectControl {
    Q_OBJECT
public:
    ScrollBar(QWidget *parent, Qt::Orientation orientation);

    int Value() const;
    // Kept within Minimum and Maximum.
    void setValue(int value);
    void setMinimum(int value);
    void setMaximum(int value);
    void setLineStep(int value);
    void setPageStep(int value);
    void setLiveScroll(bool live);

    std::function<void()> ValueChanged;
    // The mouse wheel over the bar, as Canvas::MouseWheel gives it; returns
    // whether it was taken. Without it the bar moves by its own steps.
    std::function<bool(int, int, int, int)> MouseWheel;

    QScrollBar *bar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QScrollBar *bar_;
};
