#pragma once

#include "platform/indy_http.h"
#include "platform/program_directory.h"

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class TFM_Update;
}

// The catalogue update dialog: "Start" downloads a new standard catalogue
// from the maker and writes it over the one in the program's directory. The
// download blocks the window thread until it has ended. The dialog's state
// lies in its controls and lasts while it is hidden; it is centred over its
// parent, the main window, whenever it is shown.
class TFM_Update final : public QDialog {
    Q_OBJECT

public:
    // The program's directory ends with its separator.
    explicit TFM_Update(std::string programDirectory = ProgramDirectory(),
                        QWidget* parent = nullptr);
    ~TFM_Update() override;

    void Btn_okClick();
    void Btn_cancelClick();

    void setVisible(bool visible) override;

private:
    // Shows the status and paints it at once: the window thread may be about
    // to block.
    void ShowState(const QString& text);
    void FitState();
    void EnableButtons(bool enabled);

    std::unique_ptr<Ui::TFM_Update> ui_;
    std::string programDirectory_;
    TIdHTTP IdHTTP1;
};
