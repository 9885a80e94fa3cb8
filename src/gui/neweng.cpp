#include "gui/neweng.h"

namespace {

// A dialog border with a close box only.
constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

TFm_engdata::TFm_engdata(QWidget* parent)
    : QDialog(parent, DialogFlags) {
    setWindowTitle(QStringLiteral("Setting"));
    setFixedSize(385, 311);
}
