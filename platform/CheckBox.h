#pragma once

#include <QString>

#include "platform/RectControl.h"

class QCheckBox;

class CheckBox : public RectControl {
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent = nullptr);

    QString Caption() const;
    void setCaption(const QString &caption);
    bool Value() const;
    // Setting the value raises Action, as a click does.
    void setValue(bool value);
    void setTextSize(int pixels);

    std::function<void()> Action;

    QCheckBox *box() const { return box_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QCheckBox *box_;
};
