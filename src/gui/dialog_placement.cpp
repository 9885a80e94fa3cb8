#include "gui/dialog_placement.h"

#include <QWidget>

namespace {

QMargins FrameMarginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

} // namespace

QPoint CentredClientPosition(const QRect& parentFrame, const QMargins& frameMargins,
                             const QSize& clientSize) {
    const QSize frameSize = clientSize.grownBy(frameMargins);
    const QPoint frameTopLeft =
        parentFrame.topLeft() + QPoint((parentFrame.width() - frameSize.width()) / 2,
                                       (parentFrame.height() - frameSize.height()) / 2);
    return frameTopLeft + QPoint(frameMargins.left(), frameMargins.top());
}

void CentreOverParentWindow(QWidget* dialog) {
    if (dialog->parentWidget() == nullptr) {
        return;
    }
    const QWidget* parent = dialog->parentWidget()->window();
    // Until the window manager has framed the dialog once, Qt knows no frame
    // for it; the parent's frame is the best guess of the one it will get.
    QMargins margins = FrameMarginsOf(dialog);
    if (margins.isNull()) {
        margins = FrameMarginsOf(parent);
    }
    // Placed by its client area, which Qt puts where asked whether or not
    // the frame is known yet.
    dialog->setGeometry(QRect(
        CentredClientPosition(parent->frameGeometry(), margins, dialog->size()), dialog->size()));
}
