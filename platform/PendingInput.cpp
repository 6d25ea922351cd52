#include "platform/PendingInput.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::ShortcutOverride:
            case QEvent::Shortcut:
            case QEvent::TouchBegin:
            case QEvent::TouchUpdate:
            case QEvent::TouchEnd:
            case QEvent::TabletPress:
            case QEvent::TabletRelease:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

void discardPendingInput() {
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) return;
    InputSwallower swallower;
    app->installEventFilter(&swallower);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    app->removeEventFilter(&swallower);
}
