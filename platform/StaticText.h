#pragma once

#include <QColor>
#include <QString>

#include "platform/RectControl.h"

// A line (or, with Multiline, a block) of text drawn in the control's area.
class StaticText : public RectControl {
    Q_OBJECT
public:
    explicit StaticText(QWidget *parent = nullptr);

    QString Text() const { return text_; }
    void setText(const QString &text);

    QString TextFont = QStringLiteral("System");
    int TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    QColor TextColor = Qt::black;
    int TextAlign = 0;  // 0 left, 1 centred, 2 right
    bool Multiline = false;

    // A press on the text; returns whether the text takes it. Only a taken
    // press brings its release to MouseUp, wherever the pointer is by then.
    std::function<bool(int, int)> MouseDown;
    std::function<void(int, int)> MouseUp;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString text_;
    bool pressTaken_ = false;
};
