#include "platform/GroupBox.h"

#include <QGroupBox>

#include "platform/Fonts.h"

GroupBox::GroupBox(QWidget *parent) : RectControl(parent), box_(new QGroupBox(this)) {
    box_->setFont(Fonts::make(QString(), Fonts::kDefaultSize));
    box_->lower();
}

void GroupBox::setCaption(const QString &caption) { box_->setTitle(caption); }
QString GroupBox::Caption() const { return box_->title(); }

void GroupBox::setTextSize(int pixels) {
    QFont f = box_->font();
    f.setPixelSize(pixels > 0 ? pixels : Fonts::kDefaultSize);
    box_->setFont(f);
}

void GroupBox::setBold(bool bold) {
    QFont f = box_->font();
    f.setBold(bold);
    box_->setFont(f);
}

void GroupBox::resizeEvent(QResizeEvent *) { box_->setGeometry(rect()); }
