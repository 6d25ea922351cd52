#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "platform/Picture.h"

// Drawing onto a picture or a control's surface. Lines and rectangles are
// drawn without antialiasing, so every pixel is exact: a rectangle of w × h
// covers exactly w × h pixels, its outline included, and a line includes
// both end points. DrawString takes y as the baseline.
class Graphics {
public:
    // Drawing onto a picture (its image may be replaced, e.g. on a resize).
    explicit Graphics(Picture *target);

    QColor ForeColor = Qt::black;
    // "System" (or an empty name) is the platform's default sans face; a
    // font that is not installed falls back to it.
    QString TextFont = QStringLiteral("System");
    // Text size in pixels; 0 is the default size (12 pixels).
    int TextSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    int Width() const;
    int Height() const;

    void FillRect(int x, int y, int w, int h);
    void DrawRect(int x, int y, int w, int h);
    void FillRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight);
    void DrawRoundRect(int x, int y, int w, int h, int arcWidth, int arcHeight);
    void FillOval(int x, int y, int w, int h);
    void DrawLine(int x1, int y1, int x2, int y2);
    void DrawPicture(const PicturePtr &picture, int x, int y);
    // Draws the source rectangle of the picture scaled into the destination.
    void DrawPicture(const PicturePtr &picture, int x, int y, int destWidth, int destHeight,
                     int sourceX, int sourceY, int sourceWidth, int sourceHeight);
    void DrawString(const QString &text, int x, int y);

    double StringWidth(const QString &text) const;
    // Height of the text wrapped at wrapWidth (0: no wrap).
    int StringHeight(const QString &text, int wrapWidth) const;
    // Height of one line of text in the current font.
    int TextHeight() const;
    int TextAscent() const;

    // The font that the text settings give.
    QFont font() const;

private:
    Picture *target_;
};
