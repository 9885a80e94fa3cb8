#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a dialog's client area of `clientSize` goes so that the framed
// dialog, its frame of `frameMargins`, stands centred over `parentFrame`.
QPoint CentredClientPosition(const QRect& parentFrame, const QMargins& frameMargins,
                             const QSize& clientSize);

// Moves `dialog` so that its frame stands centred over the frame of its
// parent's top-level window. A dialog without a parent is left where it is.
void CentreOverParentWindow(QWidget* dialog);
