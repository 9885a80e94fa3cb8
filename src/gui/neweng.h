#pragma once

#include <QDialog>

// The engine settings dialog.
class TFm_engdata final : public QDialog {
    Q_OBJECT

public:
    explicit TFm_engdata(QWidget* parent = nullptr);
};
