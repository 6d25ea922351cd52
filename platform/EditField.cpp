#include "platform/EditField.h"

#include <QEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "platform/Fonts.h"

EditField::EditField(QWidget *parent) : RectControl(parent), edit_(new QLineEdit(this)) {
    edit_->setFont(Fonts::make(QString(), Fonts::kDefaultSize));
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        if (TextChange) TextChange();
    });
    setFocusProxy(edit_);
}

QString EditField::Text() const { return edit_->text(); }
void EditField::setText(const QString &text) { edit_->setText(text); }

void EditField::setMask(const QString &mask) {
    if (mask.isEmpty()) {
        edit_->setValidator(nullptr);
        return;
    }
    const int digits = mask.count(QLatin1Char('#'));
    auto *validator = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), edit_);
    edit_->setValidator(validator);
    edit_->setMaxLength(digits);
}

void EditField::setPassword(bool password) {
    edit_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void EditField::setTextSize(int pixels) {
    QFont f = edit_->font();
    f.setPixelSize(pixels > 0 ? pixels : Fonts::kDefaultSize);
    edit_->setFont(f);
}

void EditField::setBold(bool bold) {
    QFont f = edit_->font();
    f.setBold(bold);
    edit_->setFont(f);
}

void EditField::setTextAlign(int align) {
    edit_->setAlignment(align == 1   ? Qt::AlignHCenter
                        : align == 2 ? Qt::AlignRight
                                     : Qt::AlignLeft);
}

void EditField::setBackColor(const QColor &colour) {
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Base, colour);
    edit_->setPalette(pal);
}

void EditField::setTextColor(const QColor &colour) {
    QPalette pal = edit_->palette();
    pal.setColor(QPalette::Text, colour);
    edit_->setPalette(pal);
}

void EditField::resizeEvent(QResizeEvent *) { edit_->setGeometry(rect()); }

bool EditField::eventFilter(QObject *watched, QEvent *event) {
    if (watched == edit_) {
        if (event->type() == QEvent::FocusOut && LostFocus) LostFocus();
        if (event->type() == QEvent::FocusIn && GotFocus) GotFocus();
    }
    return RectControl::eventFilter(watched, event);
}
