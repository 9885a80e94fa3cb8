#include "gui/qt_message_box.h"

#include "platform/qt_text.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace {

QMessageBox::Icon IconFor(unsigned flags) {
    if ((flags & MB_ICONERROR) == MB_ICONERROR) {
        return QMessageBox::Critical;
    }
    if ((flags & MB_ICONQUESTION) == MB_ICONQUESTION) {
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

void CentreOnScreen(QMessageBox& box) {
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
}

} // namespace

int QtMessageBoxBackend::Show(const MessageBoxRequest& request) {
    QMessageBox box(IconFor(request.Flags), ToQString(request.Caption), ToQString(request.Text));
    const bool yesNo = (request.Flags & MB_YESNO) == MB_YESNO;
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    CentreOnScreen(box);
    const int pressed = box.exec();
    if (!yesNo) {
        return IDOK;
    }
    return pressed == QMessageBox::Yes ? IDYES : IDNO;
}
