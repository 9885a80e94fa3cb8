// Handlers of the window class that no control or event invokes.
#include "gui/main_window.h"
#include "main/engine_list.h"
#include "main/next_page_url.h"
#include "main/result_items.h"
#include "platform/indy_http.h"
#include "platform/show_message.h"
#include "platform/text.h"
#include "ui_TFm_Main.h"

#include <QItemSelectionModel>

namespace {

// The result page that the check fetches: a query for one word.
constexpr const char* kCheckPageUrl = "http://search.yahoo.com/search?p=quillmark";

} // namespace

void TFm_Main::IdHtp_getnewSuccess() {
    ShowMessage("OK");
}

void TFm_Main::IdHtp_getnewAboutToSend() {
    ShowMessage("aaa");
}

void TFm_Main::IdHtp_getnewFailure() {
    ShowMessage("Fail");
}

void TFm_Main::Cbx_SURLClick() {}

// Shows how the selected row's last page cuts into entries, and every entry
// that holds the site URL.
void TFm_Main::Button3Click() {
    const int row = SelectedEngineRow();
    if (row < 0) {
        return;
    }
    std::vector<std::string> entries;
    ExtractResultItems(pageTexts_.at(static_cast<std::size_t>(row)),
                       GetEngineField(*engines_, row, 6, 1), GetEngineField(*engines_, row, 6, 2),
                       GetEngineField(*engines_, row, 6, 4), entries);
    ShowMessage(std::to_string(entries.size()));
    const std::string siteUrl = UpperCase(Trim(SiteUrlText()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!siteUrl.empty() && entries[i].find(siteUrl) != std::string::npos) {
            ShowMessage("**** " + std::to_string(i + 1) + " Here being!**** " + entries[i]);
        }
    }
}

// Shows the next-page link of the selected row's last page.
void TFm_Main::Button4Click() {
    const int row = SelectedEngineRow();
    if (row < 0) {
        return;
    }
    ShowMessage(ExtractNextPageUrl(
        pageTexts_.at(static_cast<std::size_t>(row)), GetEngineField(*engines_, row, 6, 1),
        GetEngineField(*engines_, row, 6, 2), GetEngineField(*engines_, row, 5, 6),
        GetEngineField(*engines_, row, 5, 7), GetEngineField(*engines_, row, 5, 8)));
}

void TFm_Main::Button1Click() {
    TIdHTTP IdHTTP1;
    IdHTTP1.Get(kCheckPageUrl);
    ShowMessage("OK");
}

int TFm_Main::SelectedEngineRow() const {
    const QModelIndexList selected = ui_->LstV_eng->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}
