#pragma once

#include <QString>

#include "platform/RectControl.h"

class QRadioButton;

// A radio button. The radio buttons that share a parent (a window, a group
// box or a page) form one group: selecting one clears the others.
class RadioButton : public RectControl {
    Q_OBJECT
public:
    explicit RadioButton(QWidget *parent = nullptr);

    QString Caption() const;
    void setCaption(const QString &caption);
    bool Value() const;
    // Selecting a button clears the others of its group; Action runs only for
    // a click by the user.
    void setValue(bool value);
    void setTextSize(int pixels);

    // The user selected this button (Index tells which member of an array).
    std::function<void()> Action;

    // The button widget itself, for simulated clicks.
    QRadioButton *button() const { return button_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void clearSiblings();
    QRadioButton *button_;
};
