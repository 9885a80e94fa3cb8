#pragma once

#include <QDialog>

// The catalogue update dialog.
class TFM_Update final : public QDialog {
    Q_OBJECT

public:
    explicit TFM_Update(QWidget* parent = nullptr);
};
