#include "gui/update.h"

#include "gui/dialog_flags.h"

TFM_Update::TFM_Update(QWidget* parent)
    : QDialog(parent, DialogFlags) {
    setWindowTitle(QStringLiteral("Updating"));
    setFixedSize(374, 101);
}
