#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The system's code of a key, as a form's key-down handler gets it.
constexpr int VK_F1 = 112;

// The system's code of the key Qt names: letters, digits, function keys and
// the keys that move, edit or modify; 0 for any other key.
int VirtualKeyCode(int qtKey);

// The form's key preview: every key pressed in a window reaches the handler
// first, whichever control of the window has the focus, and then goes on to
// that control as usual (the handler consumes nothing).
class KeyPreview final : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<void(int key, Qt::KeyboardModifiers modifiers)>;

    // Watches the application's events for the window; needs a QApplication.
    KeyPreview(QWidget* window, Handler handler);
    ~KeyPreview() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Handler handler_;
};
