#include "gui/key_preview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window)
    , window_(window)
    , handler_(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) {
        return false;
    }
    // A key goes first to the window's focused control (or to the window when
    // none has the focus) and from there up to its parents while they ignore
    // it; only that first delivery counts.
    QWidget* focused = window_->focusWidget();
    QWidget* first = focused != nullptr ? focused : window_;
    if (watched == first) {
        const auto* key = static_cast<QKeyEvent*>(event);
        handler_(key->key(), key->modifiers());
    }
    return false;
}
