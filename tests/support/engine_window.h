#pragma once

#include "support/fake_message_box.h"
#include "support/temp_dir.h"
#include "support/temp_home.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class EngineList;
class QAbstractButton;
class QLineEdit;
class QTreeView;
class TFm_Main;
class TFm_engdata;

// The main window over two catalogues of a test's own, with its engine list
// and its engine settings dialog reached by the controls' object names.
class EngineWindow final {
public:
    EngineWindow();
    ~EngineWindow();
    EngineWindow(const EngineWindow&) = delete;
    EngineWindow& operator=(const EngineWindow&) = delete;

    // Writes both catalogues (their bytes as given) and opens the window.
    void Open(const std::string& standard, const std::string& custom);

    std::string EnginesFile() const { return dir_.File("Engines.dat"); }
    std::string CustomEnginesFile() const { return dir_.File("CEngines.dat"); }
    std::string Standard() const { return ReadFile(EnginesFile()); }
    std::string Custom() const { return ReadFile(CustomEnginesFile()); }

    TFm_Main& Window() const { return *window_; }
    QTreeView& LstV_eng() const;
    EngineList& Engines() const;
    QAbstractButton& Button(const char* name) const;
    TFm_engdata& Dialog() const;
    QLineEdit& Box(const char* name) const;
    QAbstractButton& DialogButton(const char* name) const;

    // Rows as "caption/kind", and the highlighted row (-1 for none).
    std::vector<std::string> Rows() const;
    std::vector<bool> Ticks() const;
    void Select(int row);
    int SelectedRow() const;

    // Clicks a command button of the main window; while the dialog that it
    // shows modally is open, runs `inDialog`. Returns whether the dialog was
    // still open after `inDialog` (it is then closed with "&Cancel"); false
    // as well when the dialog never opened, which `opened` tells apart.
    bool RunDialog(const char* command, const std::function<void()>& inDialog,
                   bool* opened = nullptr);
    // Types into the dialog's boxes: name, search URL, result start, item
    // start, next start, next keyword, next end.
    void Type(const std::string& name, const std::string& url, const std::string& resultStart,
              const std::string& itemStart, const std::string& nextStart,
              const std::string& nextKeyword, const std::string& nextEnd);

    FakeMessageBox& Boxes() { return boxes_; }

private:
    TempHome home_;
    TempDir dir_;
    FakeMessageBox boxes_;
    std::unique_ptr<TFm_Main> window_;
};
