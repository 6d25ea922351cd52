#pragma once

#include <QString>

#include "platform/RectControl.h"

class QGroupBox;

// A titled frame that groups controls; radio buttons inside it form one group.
class GroupBox : public RectControl {
    Q_OBJECT
public:
    explicit GroupBox(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString Caption() const;
    void setTextSize(int pixels);
    void setBold(bool bold);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QGroupBox *box_;
};
