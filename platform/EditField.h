#pragma once

#include <QColor>
#include <QString>

#include "platform/RectControl.h"

class QLineEdit;

// A one-line text field. A mask of "#" characters admits that many digits
// at most ("##": 0 to 99 typed); Password hides what is typed.
class EditField : public RectControl {
    Q_OBJECT
public:
    explicit EditField(QWidget *parent = nullptr);

    QString Text() const;
    void setText(const QString &text);
    void setMask(const QString &mask);
    void setPassword(bool password);
    void setTextSize(int pixels);
    void setTextAlign(int align);  // 0 left, 1 centred, 2 right
    void setBackColor(const QColor &colour);
    void setTextColor(const QColor &colour);
    void setBold(bool bold);

    // Events: the text changed (typed or set), the field lost or got the focus.
    std::function<void()> TextChange;
    std::function<void()> LostFocus;
    std::function<void()> GotFocus;

    QLineEdit *lineEdit() const { return edit_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *edit_;
};
