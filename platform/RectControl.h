#pragma once

#include <QWidget>

#include <functional>

class Window;

// A control placed on a window: the common base of every control of the
// program. Positions are given in window coordinates, as the layouts give
// them, also for controls that sit inside a panel or rectangle; the control
// converts them to its parent's coordinates.
class RectControl : public QWidget {
    Q_OBJECT
public:
    explicit RectControl(QWidget *parent = nullptr);

    // Places the control at (left, top) in window coordinates with the given size.
    void place(int left, int top, int width, int height);

    int Left() const;
    int Top() const;
    void setLeft(int left);
    void setTop(int top);
    int Width() const { return width(); }
    int Height() const { return height(); }
    void setWidth(int w) { resize(w, height()); }
    void setHeight(int h) { resize(width(), h); }
    bool Visible() const { return isVisibleTo(parentWidget()); }
    // The Visible property's setter; QWidget::setVisible stays the override point.
    void setVisible_(bool visible) { setVisible(visible); }  // NOLINT(bugprone-virtual-near-miss)
    bool Enabled() const { return isEnabled(); }

    // Member index within a control array; -1 for a control outside any array.
    int Index = -1;

    // Bound to the bottom edge: when the window's height changes, a control
    // placed directly on the window keeps its distance to the bottom edge
    // instead of its top. A control inside a group box or panel moves with
    // its parent.
    bool LockBottom = false;

    // The window that holds the control (the framework's Control.Window).
    Window *window() const;

    // Repaints the control, erasing it first when erase is true.
    virtual void Refresh(bool erase = true);

    // Events a window binds to its own handlers. Open runs once the window has
    // created all its controls; Close runs when the window is being destroyed.
    std::function<void()> Open;
    std::function<void()> Close;

    // The control's offset inside its window, for converting window coordinates.
    QPoint windowOffset() const;
};
