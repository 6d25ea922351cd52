#include "platform/CheckBox.h"

#include <QCheckBox>

#include "platform/Fonts.h"

namespace {
// The whole area of the control takes a click, not only the box and caption.
class WholeAreaCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
}  // namespace

CheckBox::CheckBox(QWidget *parent) : RectControl(parent), box_(new WholeAreaCheckBox(this)) {
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
