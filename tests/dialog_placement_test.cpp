#include "gui/dialog_placement.h"
#include "gui/neweng.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>

// Beside QPoint, where the test framework looks for its printer.
static void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

struct PlacementCase {
    const char* name;
    QRect parentFrame;
    QMargins frameMargins;
    QSize clientSize;
    QPoint clientPosition;
};

// The framed dialog centred over the parent's frame, its client area inside
// its frame.
const PlacementCase kPlacements[] = {
    {"no frame", {200, 150, 615, 394}, {}, {385, 311}, {315, 191}},
    {"title bar and thin border", {331, 294, 617, 415}, {1, 20, 1, 1}, {385, 311}, {447, 355}},
    {"borders of different widths", {0, 0, 400, 300}, {8, 24, 2, 6}, {100, 100}, {153, 109}},
    {"larger than the parent", {100, 100, 200, 100}, {4, 30, 4, 4}, {300, 200}, {50, 63}},
    {"parent beyond the screen's top left",
     {-500, -300, 400, 300},
     {1, 20, 1, 1},
     {100, 50},
     {-350, -166}},
};

TEST(DialogPlacementTest, CentresTheFramedDialogOverTheParentsFrame) {
    for (const PlacementCase& placement : kPlacements) {
        SCOPED_TRACE(placement.name);
        EXPECT_EQ(CentredClientPosition(placement.parentFrame, placement.frameMargins,
                                        placement.clientSize),
                  placement.clientPosition);
    }
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Offscreen windows are framed as soon as they exist, so what the dialog
// assumed at its first showing is checked against the frame it got.
TEST(DialogPlacementTest, TheEngineDialogStandsCentredOverItsParentEachTimeItIsShown) {
    QWidget parent;
    // An even width under the dialog's odd one: rounding as the rule does
    // tells the rule from Qt's own placement.
    parent.setGeometry(200, 150, 614, 394);
    TFm_engdata dialog(&parent, [] {});
    // Shown for their places only: painting spreads over Qt's paint threads,
    // which the thread checker cannot see into.
    parent.setUpdatesEnabled(false);
    dialog.setUpdatesEnabled(false);
    parent.show();
    for (const QPoint parentPosition : {QPoint(200, 150), QPoint(40, 30)}) {
        SCOPED_TRACE(parentPosition.x());
        parent.move(parentPosition);
        dialog.show();
        EXPECT_EQ(
            dialog.geometry().topLeft(),
            CentredClientPosition(parent.frameGeometry(), FrameMargins(dialog), dialog.size()));
        dialog.hide();
    }
}

} // namespace
