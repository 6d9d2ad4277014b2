// SPDX-License-Identifier: MIT
#include "sendrik/connections_dialog.h"

#include <exception>
#include <vector>

#include "platform/automation/error.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/msgbox.h"
#include "platform/win/window.h"
#include "sendrik/centre.h"
#include "sendrik/data_sources.h"
#include "sendrik/resource_ids.h"

namespace sendrik {
namespace {

constexpr std::string_view kNothingChosen = "Informe a Conexão ODBC!";

class ConnectionsDialog {
 public:
  win::INT_PTR Procedure(win::HWND dialog, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
    switch (msg) {
      case win::WM_INITDIALOG:
        CentreOnScreen(dialog);
        win::SetToolTip(win::GetDlgItem(dialog, ids::kCmdOk), "Salvar Configurações");
        win::SetToolTip(win::GetDlgItem(dialog, ids::kConexoesSair), "Sair");
        // Entries are cut at the list's edge, so the prefix beyond it stays hidden.
        win::ListBox_SetEllipsis(win::GetDlgItem(dialog, ids::kLstOdbc), false);
        Fill(dialog);
        return 1;
      case win::WM_COMMAND: {
        const unsigned id = win::LOWORD(wparam);
        const unsigned code = win::HIWORD(wparam);
        if (id == ids::kCmdOk && code == win::BN_CLICKED) {
          Confirm(dialog);
        } else if (id == ids::kLstOdbc && code == win::LBN_DBLCLK) {
          Confirm(dialog);
        } else if (id == ids::kConexoesSair && code == win::BN_CLICKED) {
          win::EndDialog(dialog, win::IDCANCEL);
        } else {
          return 0;
        }
        return 1;
      }
      default:
        return 0;
    }
  }

  std::optional<std::string> chosen;

 private:
  void Fill(win::HWND dialog) {
    const win::HWND list = win::GetDlgItem(dialog, ids::kLstOdbc);
    const Enumeration all = EnumerateDataSources();
    if (!all.allocated) return;
    const Listing listing = ListDataSources(all.sources);
    for (const ListEntry& entry : listing.entries) {
      win::ListBox_AddString(list, entry.text);
      names_.push_back(entry.name);
    }
    if (listing.failed) win::MessageBox(dialog, kListFailure, {}, win::MB_ICONEXCLAMATION);
  }

  void Confirm(win::HWND dialog) {
    try {
      const int index = win::ListBox_GetCurSel(win::GetDlgItem(dialog, ids::kLstOdbc));
      if (index < 0 || static_cast<std::size_t>(index) >= names_.size()) {
        win::MessageBox(dialog, kNothingChosen, {}, win::MB_ICONSTOP);
        return;
      }
      chosen = names_[static_cast<std::size_t>(index)];
      win::EndDialog(dialog, win::IDOK);
    } catch (const automation::Error& e) {
      win::MessageBox(dialog, std::to_string(e.number()) + "/" + e.description(), {}, win::MB_OK);
    } catch (const std::exception& e) {
      win::MessageBox(dialog, e.what(), {}, win::MB_OK);
    }
  }

  std::vector<std::string> names_;  // the exact name of each entry
};

}  // namespace

std::optional<std::string> ChooseDataSource(win::HINSTANCE module, win::HWND owner) {
  ConnectionsDialog state;
  win::DialogBoxParam(module, "fauConexoes", owner, [&state](win::HWND d, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return state.Procedure(d, m, w, l);
  });
  return state.chosen;
}

}  // namespace sendrik
