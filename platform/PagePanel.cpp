#include "platform/PagePanel.h"

PagePanel::PagePanel(QWidget *parent, int pageCount) : RectControl(parent) {
    for (int i = 0; i < pageCount; ++i) {
        auto *page = new QWidget(this);
        page->setVisible(i == 0);
        pages_.push_back(page);
    }
}

QWidget *PagePanel::page(int index) const {
    return index >= 0 && index < PanelCount() ? pages_[index] : nullptr;
}

void PagePanel::setValue(int value) {
    if (value < 0 || value >= PanelCount() || value == value_) return;
    pages_[value_]->setVisible(false);
    value_ = value;
    pages_[value_]->setVisible(true);
    if (Change) Change();
}

void PagePanel::resizeEvent(QResizeEvent *) {
    for (QWidget *page : pages_) page->setGeometry(rect());
}
