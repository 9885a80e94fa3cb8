#include "gui/key_preview.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

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

int VirtualKeyCode(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return qtKey; // the same codes as the system's
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
        return VK_F1 + (qtKey - Qt::Key_F1);
    }
    static const std::pair<int, int> others[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    };
    for (const auto& [qt, code] : others) {
        if (qt == qtKey) {
            return code;
        }
    }
    return 0;
}
