#include "platform/CheckBox.h"

#include <QCheckBox>

#include "platform/Fonts.h"

CheckBox::CheckBox(QWidget *parent) : RectControl(parent), box_(new QCheckBox(this)) {
    box_->setFont(Fonts::make(QString(), Fonts::kDefaultSize));
    box_->setFocusPolicy(Qt::NoFocus);
    connect(box_, &QCheckBox::toggled, this, [this] {
        if (Action) Action();
    });
}

QString CheckBox::Caption() const { return box_->text(); }
void CheckBox::setCaption(const QString &caption) { box_->setText(caption); }
bool CheckBox::Value() const { return box_->isChecked(); }
void CheckBox::setValue(bool value) { box_->setChecked(value); }

void CheckBox::setTextSize(int pixels) {
    QFont f = box_->font();
    f.setPixelSize(pixels > 0 ? pixels : Fonts::kDefaultSize);
    box_->setFont(f);
}

void CheckBox::resizeEvent(QResizeEvent *) { box_->setGeometry(rect()); }
