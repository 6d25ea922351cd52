#pragma once

#include "platform/Graphics.h"
#include "platform/Picture.h"
#include "platform/RectControl.h"

// A control drawn entirely by the program. It keeps a surface of its own, so
// that event handlers can draw onto it at any time (not only in Paint); the
// screen shows whatever the surface holds.
class Canvas : public RectControl {
    Q_OBJECT
public:
    explicit Canvas(QWidget *parent = nullptr);
    ~Canvas() override;

    // The control's own drawing surface.
    Graphics &graphics();

    // A picture drawn under everything the control draws itself.
    PicturePtr Backdrop;
    void setBackdrop(const PicturePtr &picture);

    // Erases the surface (when erase is true) and raises Paint, before the
    // control is next shown on screen.
    void Refresh(bool erase = true) override;

    // Events. A subclass overrides them; a window may bind the std::function
    // members instead. MouseDown returns whether the control takes the press:
    // only then do the drag and the release come to it; otherwise the press
    // goes on to the control's parent.
    virtual void Paint(Graphics &g);
    virtual bool MouseDown(int x, int y);
    virtual void MouseDrag(int x, int y);
    virtual void MouseUp(int x, int y);
    virtual void MouseMove(int x, int y);
    virtual void MouseEnter();
    virtual void MouseExit();
    // The mouse wheel or the touchpad over the control. deltaX and deltaY
    // give the turn, 120 for one notch of a wheel, positive to the right and
    // down (toward the user). Returns whether the control takes it; otherwise
    // it goes on to the parent.
    virtual bool MouseWheel(int x, int y, int deltaX, int deltaY);

    std::function<void(Graphics &)> onPaint;
    std::function<bool(int, int)> onMouseDown;
    std::function<void(int, int)> onMouseDrag;
    std::function<void(int, int)> onMouseUp;
    std::function<void(int, int)> onMouseMove;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;
    std::function<bool(int, int, int, int)> onMouseWheel;

    // The surface's pixels (for tests and screenshots of single controls).
    QImage surfaceImage();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Gives the surface the control's size (erased) when it has another.
    void fitSurface();
    void paintIfNeeded();
    void erase();

    Picture surface_;
    bool needsPaint_ = true;
    bool painting_ = false;
    bool pressTaken_ = false;
};
