#pragma once

#include <QWidget>

#include <vector>

#include "platform/RectControl.h"

// Pages of controls without tabs: only the program changes the page, by
// setting Value; every change raises Change. Controls of page n are created
// with page(n) as their parent.
class PagePanel : public RectControl {
    Q_OBJECT
public:
    PagePanel(QWidget *parent, int pageCount);

    QWidget *page(int index) const;
    int PanelCount() const { return static_cast<int>(pages_.size()); }
    int Value() const { return value_; }
    void setValue(int value);

    std::function<void()> Change;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    std::vector<QWidget *> pages_;
    int value_ = 0;
};
