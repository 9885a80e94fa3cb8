#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

class EngineList;
class QKeyEvent;
class QLineEdit;

namespace Ui {
class TFm_engdata;
}

// The engine settings dialog: the name, search URL and markers of one
// engine, which OK writes into a catalogue file. Its layout comes from
// resources/TFm_engdata.ui. It is modal to its parent window alone, so that
// a help window it opens stays usable; no button is a default button, so
// Enter and Escape press nothing, and the close box does what Cancel does.
// Whenever it is shown it stands centred over its parent window.
class TFm_engdata final : public QDialog {
    Q_OBJECT

public:
    // `reloadEngines` rebuilds the engine list once OK has written an engine.
    TFm_engdata(QWidget* parent, std::function<void()> reloadEngines);
    ~TFm_engdata() override;

    // The dialog state, which the opener sets before it shows the dialog and
    // only OK reads: "Edit" or "Append" (compared exactly); the catalogue file
    // that OK writes; the engine name at filling, trimmed ("Edit" only).
    std::string EditMode;
    std::string EditFile;
    std::string EditEngineName;

    // Fills the boxes and EditEngineName from a row of the engine list; -1
    // (no row selected) shows a message and changes nothing.
    void FillEngineDialog(const EngineList& LstV_eng, int selectedRow);
    // Empties the boxes; EditEngineName keeps its value.
    void ClearEngineDialog();

    // "&OK", "&Cancel" and "&Help".
    void Button1Click();
    void Button2Click();
    void Button3Click();

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TFm_engdata> ui_;
    std::function<void()> reloadEngines_;
};
