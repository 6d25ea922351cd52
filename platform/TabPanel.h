#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

#include "platform/RectControl.h"

class QTabBar;

// Pages of controls with a row of tabs; a change of page (by the user or the
// program) raises Change. Controls of page n are created with page(n) as parent.
class TabPanel : public RectControl {
    Q_OBJECT
public:
    TabPanel(QWidget *parent, const QStringList &captions);

    QWidget *page(int index) const;
    int PanelCount() const { return static_cast<int>(pages_.size()); }
    int Value() const { return value_; }
    void setValue(int value);
    void setTextSize(int pixels);

    std::function<void()> Change;

    QTabBar *tabBar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QTabBar *bar_;
    std::vector<QWidget *> pages_;
    int value_ = 0;
};
