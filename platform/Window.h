#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <vector>

class Graphics;
class MenuBar;
class QMenuBar;

// A window of the program. Each window class builds its layout (size, title,
// colour, frame and placement) and its controls in its constructor; the
// accessor of its implicit instance (ImplicitWindow below) then runs the
// controls' Open events and the window's own Open handler and shows it when
// the layout says Visible.
//
// Sizes and positions are those of the content area, where the controls sit
// (below the menu bar, where the window shows one).
class Window : public QWidget {
    Q_OBJECT
public:
    // Frame codes of the layouts.
    enum Frame { Document = 0, Titled = 3, PlainBox = 4, Sheet = 8 };
    // Placement codes: 0 where the window system puts it, 1 and 2 centred on
    // the main screen, 3 centred on the parent window (or the main screen).
    enum Placement {
        DefaultPlacement = 0,
        MainScreen = 1,
        CentredOnScreen = 2,
        CentredOnParent = 3
    };

    struct Layout {
        QString Title;
        int Width = 300;
        int Height = 300;
        int FrameKind = Document;
        int PlacementKind = DefaultPlacement;
        bool HasBackColor = false;
        QColor BackColor = QColor(0xE6, 0xE2, 0xBE);
        bool Visible = true;
        bool CloseButton = true;
        bool MinimizeButton = true;
        bool Resizeable = false;
    };

    explicit Window(const Layout &layout);
    ~Window() override;

    // The widget that holds the controls (the content area).
    QWidget *content() const { return content_; }

    QString Title() const { return windowTitle(); }
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    bool Visible() const { return isVisible(); }
    // The Visible property's setter (shows or hides through Show/Hide);
    // QWidget::setVisible stays the override point.
    void setVisible_(bool visible);  // NOLINT(bugprone-virtual-near-miss)
    QColor BackColor() const { return layout_.BackColor; }
    bool HasBackColor() const { return layout_.HasBackColor; }
    int FrameKind() const { return layout_.FrameKind; }

    void Show();
    void Hide();
    // Shows the window as a sheet attached to the top centre of parent,
    // window-modal to it.
    void ShowWithin(Window *parent, int kind = -1);
    // Runs the controls' Close events and the window's Close handler, hides
    // the window and destroys it once the current event is done. The next
    // use of its accessor builds a fresh one. A sheet shown within it is
    // hidden and outlives it, keeping its state for its next ShowWithin.
    void Close();
    bool isClosed() const { return closed_; }
    void Refresh(bool erase = true);

    // Gives the window the menu bar: shown above the content on windows with
    // a title bar; a plain box takes only its keyboard shortcuts.
    void setMenuBar(MenuBar *menuBar);

    // Every window that is open now, in order of creation.
    static std::vector<Window *> openWindows();
    // Brings every window that is shown (also a minimised one) to the front,
    // the newest active: a second start of the program asks for this.
    static void bringShownWindowsToFront();

    // Called by the accessor right after construction.
    void openWindow();

protected:
    // The window's own events; the defaults do nothing.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_Paint(Graphics &) {}
    virtual bool Event_MouseDown(int, int) { return false; }
    virtual void Event_MouseDrag(int, int) {}
    virtual void Event_MouseUp(int, int) {}
    // A close from the window manager (title-bar button, Alt+F4, the
    // taskbar's "Close"), which a Linux desktop offers on every window, also
    // where the layout has no close box. By default the window closes as its
    // close box does; a window without one maps it to one of its own actions.
    virtual void Event_CloseRequest() { Close(); }
    // True when the window paints itself (Event_Paint is called on every paint).
    bool paintsItself_ = false;

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyPlacement();
    void moveFrameTo(const QPoint &position);
    void paintContent();
    void fitToContent();
    void detachSheet();

    Layout layout_;
    QWidget *content_ = nullptr;
    QMenuBar *menuBarWidget_ = nullptr;
    bool closed_ = false;
    bool placed_ = false;
    bool mousePressTaken_ = false;
    QPointer<Window> sheetParent_;
};

// The implicit instance of a window class: the first use creates it (layout,
// controls, Open handlers, shown when its layout says Visible); after Close
// the next use creates a fresh one.
template <class T>
class ImplicitWindow {
public:
    static T &instance() {
        QPointer<T> &p = slot();
        if (!p || p->isClosed()) {
            p = new T;
            p->openWindow();
        }
        return *p;
    }
    static bool exists() {
        QPointer<T> &p = slot();
        return p && !p->isClosed();
    }

private:
    static QPointer<T> &slot() {
        static QPointer<T> p;
        return p;
    }
};
