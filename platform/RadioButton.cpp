#include "platform/RadioButton.h"

#include <QRadioButton>

#include "platform/Fonts.h"

namespace {
// The whole area of the control takes a click, not only the mark and caption.
class WholeAreaRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};
}  // namespace

RadioButton::RadioButton(QWidget *parent)
    : RectControl(parent), button_(new WholeAreaRadioButton(this)) {
    // Groups are kept by the parent, not by Qt, since each button sits in a
    // wrapper of its own.
    button_->setAutoExclusive(false);
    button_->setFont(Fonts::make(QString(), Fonts::kDefaultSize));
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QRadioButton::clicked, this, [this](bool checked) {
        if (!checked) {
            // A click on the selected button keeps it selected.
            button_->setChecked(true);
            return;
        }
        clearSiblings();
        if (Action) Action();
    });
}

QString RadioButton::Caption() const { return button_->text(); }
void RadioButton::setCaption(const QString &caption) { button_->setText(caption); }
bool RadioButton::Value() const { return button_->isChecked(); }

void RadioButton::setValue(bool value) {
    button_->setChecked(value);
    if (value) clearSiblings();
}

void RadioButton::setTextSize(int pixels) {
    QFont f = button_->font();
    f.setPixelSize(pixels > 0 ? pixels : Fonts::kDefaultSize);
    button_->setFont(f);
}

void RadioButton::clearSiblings() {
    if (!parentWidget()) return;
    for (RadioButton *other :
         parentWidget()->findChildren<RadioButton *>(Qt::FindDirectChildrenOnly))
        if (other != this) other->button_->setChecked(false);
}

void RadioButton::resizeEvent(QResizeEvent *) { button_->setGeometry(rect()); }
