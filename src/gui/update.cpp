#include "gui/update.h"

namespace {

// A dialog border with a close box only.
constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

TFM_Update::TFM_Update(QWidget* parent)
    : QDialog(parent, DialogFlags) {
    setWindowTitle(QStringLiteral("Updating"));
    setFixedSize(374, 101);
}
