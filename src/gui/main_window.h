#pragma once

#include "main/search_window.h"
#include "platform/program_directory.h"

#include <QIcon>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>

class EngineList;
class RecordList;
class TFm_engdata;
class WindowBridge;
class QLabel;
class QToolButton;

namespace Ui {
class TFm_Main;
}

// The main window: its layout comes from resources/TFm_Main.ui; its methods
// are the handlers bound to the controls' events. Every handler runs behind
// the guard of gui/guarded_slot.h. It is also the window side of every
// search: the workers reach it through its own window bridge, which closes
// before the window goes, so no worker touches it afterwards.
class TFm_Main final : public QWidget, public SearchWindow {
    Q_OBJECT

public:
    // Slots of the image list `ImageList2`; the state pictures of the engine
    // rows and the tab pictures are taken from it.
    static constexpr int ImageCount = 13;
    static constexpr int RunSearchTabImage = 1;
    static constexpr int RecordsTabImage = 12;

    // Builds the controls, then runs FormCreate, which finds the catalogues
    // in the program's directory (ending with its separator).
    explicit TFm_Main(std::string programDirectory = ProgramDirectory(), QWidget* parent = nullptr);
    ~TFm_Main() override;

    // The unit's state for the whole run.
    const std::string& EnginesFile() const { return enginesFile_; }
    const std::string& CustomEnginesFile() const { return customEnginesFile_; }

    // The window side of a search.
    EngineList& EngineRows() override { return *engines_; }
    std::vector<std::string>& PageTexts() override { return pageTexts_; }
    std::vector<TSearchThread*>& SearchThreads() override { return searchThreads_; }
    std::string SiteUrlText() override;
    std::string KeywordsText() override;
    int AreaValue() override;
    void SetGoGlyphToRun() override;
    void EnableSearchButtons() override;
    void SetGoCaption(const std::string& caption) override;
    // A picture of `ImageList2`; a null icon past its last slot.
    QIcon ImageList2(int index) const;
    // Sets the glyph of `Sbt_Go` to the picture that `Pic_Run` or `Pic_stop`
    // holds.
    void SetGoGlyph(const QLabel* picture);

    // Handlers bound to the window's and the controls' events.
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void Sbt_GoClick();
    void Sbt_sallClick();
    void Sbt_snoneClick();
    void Sbt_addClick();
    void Sbt_delClick();
    void Sbt_edtClick();
    void Sbt_saveClick();
    void Sbt_downdataClick();
    void Edt_areaExit();
    void RdB_lineClick();
    void RdB_pageClick();
    void SpeedButton15Click();
    void SpeedButton14Click();
    void SpeedButton12Click();
    void SpeedButton17Click();
    void SpeedButton2Click();
    void SpeedButton13Click();

    // Handlers of the window class that no control or event invokes.
    void SpeedButton4Click();
    void IdHtp_getnewSuccess();
    void IdHtp_getnewAboutToSend();
    void IdHtp_getnewFailure();
    void Cbx_SURLClick();
    void Button3Click();
    void Button4Click();
    void Button1Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LoadPictures();
    void LoadBanner();
    void SetUpLists();
    void BindHandlers();
    // Creates the engine settings dialog, hidden, for the whole run.
    void CreateEngineDialog();
    void ReloadEngines();
    // The catalogue file that holds a row's engine.
    const std::string& CatalogueFileOf(int row) const;
    // Sbt_sall, Sbt_snone, Sbt_add, Sbt_del, Sbt_edt, Sbt_save, Sbt_downdata.
    std::array<QToolButton*, 7> SearchButtons() const;
    bool AnyEngineTicked() const;
    // The highlighted row of LstV_eng, or -1.
    int SelectedEngineRow() const;

    std::shared_ptr<WindowBridge> bridge_;
    std::unique_ptr<Ui::TFm_Main> ui_;
    EngineList* engines_;
    RecordList* records_;
    std::string programDirectory_;
    std::string enginesFile_;
    std::string customEnginesFile_;
    std::vector<std::string> pageTexts_;
    std::vector<TSearchThread*> searchThreads_;
    TFm_engdata* engineDialog_ = nullptr;
    std::array<QIcon, ImageCount> imageList2_;
    bool placed_ = false;
};
