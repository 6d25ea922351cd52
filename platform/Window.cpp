#include "platform/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include <algorithm>

#include "platform/Application.h"
#include "platform/Graphics.h"
#include "platform/MenuBar.h"
#include "platform/RectControl.h"

namespace {

std::vector<Window *> &windowList() {
    static std::vector<Window *> list;
    return list;
}

Qt::WindowFlags flagsFor(const Window::Layout &layout) {
    Qt::WindowFlags flags;
    switch (layout.FrameKind) {
        case Window::PlainBox:
            flags = Qt::Window | Qt::FramelessWindowHint;
            break;
        case Window::Sheet:
            flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        default:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            if (layout.CloseButton) flags |= Qt::WindowCloseButtonHint;
            if (layout.MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
            break;
    }
    return flags;
}

// The content area paints the window's background colour and, for windows
// that draw themselves, hands the paint to the window.
class ContentArea : public QWidget {
public:
    ContentArea(QWidget *parent, std::function<void()> paint)
        : QWidget(parent), paint_(std::move(paint)) {
        setProperty("vidolinContent", true);
    }

protected:
    void paintEvent(QPaintEvent *) override { paint_(); }

private:
    std::function<void()> paint_;
};

}  // namespace

Window::Window(const Layout &layout) : QWidget(nullptr, flagsFor(layout)), layout_(layout) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(layout.Title);
    // The program's shortcuts ("Beenden" Ctrl+Q) work from every window.
    if (Application *app = Application::instance(); app && app->menuBar())
        addActions(app->menuBar()->shortcutActions());
    content_ = new ContentArea(this, [this] { paintContent(); });
    content_->installEventFilter(this);
    content_->setGeometry(0, 0, layout.Width, layout.Height);
    fitToContent();
    if (!layout.Resizeable) setFixedSize(size());
    windowList().push_back(this);
}

Window::~Window() {
    auto &list = windowList();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

std::vector<Window *> Window::openWindows() {
    std::vector<Window *> open;
    for (Window *w : windowList())
        if (!w->isClosed()) open.push_back(w);
    return open;
}

void Window::bringShownWindowsToFront() {
    Window *newest = nullptr;
    for (Window *w : openWindows()) {
        if (!w->isVisible()) continue;
        if (w->isMinimized()) w->showNormal();
        w->raise();
        newest = w;
    }
    if (newest) newest->activateWindow();
}

void Window::openWindow() {
    for (RectControl *control : content_->findChildren<RectControl *>())
        if (control->Open) control->Open();
    Event_Open();
    // A sheet is shown by ShowWithin, attached to its parent.
    if (!closed_ && layout_.Visible && layout_.FrameKind != Sheet && !isVisible()) Show();
}

void Window::fitToContent() {
    const int barHeight = menuBarWidget_ ? menuBarWidget_->sizeHint().height() : 0;
    if (menuBarWidget_) menuBarWidget_->setGeometry(0, 0, content_->width(), barHeight);
    content_->move(0, barHeight);
    const QSize total(content_->width(), content_->height() + barHeight);
    if (size() != total) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(total);
        if (!layout_.Resizeable) setFixedSize(total);
    }
}

void Window::setMenuBar(MenuBar *menuBar) {
    if (!menuBar) return;
    if (layout_.FrameKind == PlainBox) {
        addActions(menuBar->shortcutActions());
        return;
    }
    if (!menuBarWidget_) menuBarWidget_ = new QMenuBar(this);
    menuBarWidget_->clear();
    for (QMenu *menu : menuBar->menus()) menuBarWidget_->addMenu(menu);
    fitToContent();
}

int Window::Left() const { return geometry().x() + content_->x(); }
int Window::Top() const { return geometry().y() + content_->y(); }
int Window::Width() const { return content_->width(); }
int Window::Height() const { return content_->height(); }

void Window::setLeft(int left) {
    const int frameOffset = geometry().x() - frameGeometry().x();
    moveFrameTo(QPoint(left - content_->x() - frameOffset, frameGeometry().y()));
}

void Window::setTop(int top) {
    const int frameOffset = geometry().y() - frameGeometry().y();
    moveFrameTo(QPoint(frameGeometry().x(), top - content_->y() - frameOffset));
}

void Window::moveFrameTo(const QPoint &position) {
    move(position);
    // Qt skips a move to where it believes the window is already. A window
    // just shown, which the window manager has not placed yet, must still be
    // told its position, or the window manager puts it where it likes (the
    // restore window would land in the middle of the screen).
    if (QWindow *handle = windowHandle()) handle->setFramePosition(position);
    placed_ = true;
}

void Window::setWidth(int width) {
    if (width == content_->width()) return;
    content_->resize(width, content_->height());
    fitToContent();
}

void Window::setHeight(int height) {
    const int change = height - content_->height();
    if (change == 0) return;
    content_->resize(content_->width(), height);
    for (RectControl *control : content_->findChildren<RectControl *>(Qt::FindDirectChildrenOnly))
        if (control->LockBottom) control->move(control->x(), control->y() + change);
    fitToContent();
}

void Window::setVisible_(bool visible) {  // NOLINT(bugprone-virtual-near-miss): not an override
    if (visible)
        Show();
    else
        Hide();
}

void Window::applyPlacement() {
    if (placed_) return;
    placed_ = true;
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect target;
    switch (layout_.PlacementKind) {
        case MainScreen:
        case CentredOnScreen:
            target = area;
            break;
        case CentredOnParent:
            target = sheetParent_ ? sheetParent_->geometry() : area;
            break;
        default:
            return;
    }
    const QSize outer = frameGeometry().size();
    // A window taller than the screen keeps its top (title bar, menu bar) on
    // the screen's available area.
    move(target.x() + (target.width() - outer.width()) / 2,
         std::max(area.y(), target.y() + (target.height() - outer.height()) / 2));
}

void Window::Show() {
    if (closed_) return;
    if (isVisible()) {
        // Already on screen: only to the front, without taking the focus, as
        // the camera window shows the panel on every paint.
        raise();
        return;
    }
    applyPlacement();
    show();
    raise();
    activateWindow();
}

void Window::Hide() { hide(); }

void Window::ShowWithin(Window *parent, int) {
    if (closed_) return;
    sheetParent_ = parent;
    if (parent) {
        // A window manager minimises a parent along with its sheet; the sheet
        // is shown within its parent, so the parent comes back first.
        if (parent->isMinimized()) parent->showNormal();
        // Attached to the top centre of the parent, and modal to it alone.
        setParent(parent, windowFlags());
        setWindowModality(Qt::WindowModal);
        const int left = parent->Left() + (parent->Width() - Width()) / 2;
        setLeft(left);
        setTop(parent->Top());
    }
    show();
    raise();
    activateWindow();
}

void Window::Close() {
    if (closed_) return;
    closed_ = true;
    for (RectControl *control : content_->findChildren<RectControl *>())
        if (control->Close) control->Close();
    Event_Close();
    hide();
    // A sheet within this window is a Qt child of it and would be destroyed
    // with it; it goes out of view instead and waits for its next parent.
    for (Window *sheet : findChildren<Window *>(Qt::FindDirectChildrenOnly))
        if (!sheet->isClosed()) sheet->detachSheet();
    deleteLater();
}

void Window::detachSheet() {
    hide();
    setParent(nullptr, windowFlags());
    setWindowModality(Qt::NonModal);
    sheetParent_ = nullptr;
}

void Window::Refresh(bool) {
    update();
    content_->update();
    for (QWidget *child : content_->findChildren<QWidget *>()) {
        if (auto *control = qobject_cast<RectControl *>(child))
            control->Refresh(true);
        else
            child->update();
    }
}

void Window::closeEvent(QCloseEvent *event) {
    // Only the window manager gets here: the program closes its windows
    // through Close(), which hides them itself.
    event->ignore();
    if (!closed_) Event_CloseRequest();
}

void Window::paintContent() {
    QPainter painter(content_);
    if (layout_.HasBackColor) painter.fillRect(content_->rect(), layout_.BackColor);
    if (!paintsItself_) return;
    painter.end();
    Picture surface(content_->width(), content_->height());
    surface.image = QImage(content_->size(), QImage::Format_ARGB32_Premultiplied);
    surface.image.fill(layout_.HasBackColor ? layout_.BackColor : QColor(Qt::transparent));
    Event_Paint(surface.graphics());
    QPainter out(content_);
    out.drawImage(QPoint(0, 0), surface.image);
}

bool Window::eventFilter(QObject *watched, QEvent *event) {
    if (watched != content_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            const QPoint p = mouse->position().toPoint();
            mousePressTaken_ = Event_MouseDown(p.x(), p.y());
            return mousePressTaken_;
        }
        case QEvent::MouseMove: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!mousePressTaken_ || !(mouse->buttons() & Qt::LeftButton)) return false;
            const QPoint p = mouse->position().toPoint();
            Event_MouseDrag(p.x(), p.y());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (!mousePressTaken_) return false;
            mousePressTaken_ = false;
            const QPoint p = mouse->position().toPoint();
            Event_MouseUp(p.x(), p.y());
            return true;
        }
        default:
            return false;
    }
}
