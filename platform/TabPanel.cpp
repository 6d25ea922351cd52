#include "platform/TabPanel.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "platform/Fonts.h"

TabPanel::TabPanel(QWidget *parent, const QStringList &captions)
    : RectControl(parent), bar_(new QTabBar(this)) {
    bar_->setFont(Fonts::make(QString(), Fonts::kDefaultSize));
    bar_->setFocusPolicy(Qt::NoFocus);
    bar_->setDrawBase(false);
    for (const QString &caption : captions) {
        bar_->addTab(caption);
        auto *page = new QWidget(this);
        page->setVisible(pages_.empty());
        pages_.push_back(page);
    }
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) { setValue(index); });
}

QWidget *TabPanel::page(int index) const {
    return index >= 0 && index < PanelCount() ? pages_[index] : nullptr;
}

void TabPanel::setValue(int value) {
    if (value < 0 || value >= PanelCount() || value == value_) return;
    pages_[value_]->setVisible(false);
    value_ = value;
    pages_[value_]->setVisible(true);
    if (bar_->currentIndex() != value) bar_->setCurrentIndex(value);
    if (Change) Change();
}

void TabPanel::setTextSize(int pixels) {
    QFont f = bar_->font();
    f.setPixelSize(pixels > 0 ? pixels : Fonts::kDefaultSize);
    bar_->setFont(f);
}

void TabPanel::resizeEvent(QResizeEvent *) {
    const QSize hint = bar_->sizeHint();
    bar_->setGeometry((width() - qMin(hint.width(), width())) / 2, 0, qMin(hint.width(), width()),
                      hint.height());
    // Pages cover the whole panel, so that the controls' window coordinates
    // convert the same way on every page.
    for (QWidget *page : pages_) page->setGeometry(rect());
    bar_->raise();
}

void TabPanel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    const int top = bar_->height() / 2;
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(QRect(0, top, width() - 1, height() - top - 1));
}
