#include "gui/neweng.h"

#include "gui/dialog_flags.h"

TFm_engdata::TFm_engdata(QWidget* parent)
    : QDialog(parent, DialogFlags) {
    setWindowTitle(QStringLiteral("Setting"));
    setFixedSize(385, 311);
}
