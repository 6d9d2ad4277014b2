// SPDX-License-Identifier: MIT
#include "sendrik/main_window.h"

#include <array>
#include <string_view>

#include "platform/win/common_dialogs.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/msgbox.h"
#include "platform/win/shell.h"
#include "sendrik/banner.h"
#include "sendrik/centre.h"
#include "sendrik/connections_dialog.h"
#include "sendrik/resource_ids.h"

namespace sendrik {
namespace {

constexpr std::string_view kTemplate = "Sendrik";

struct Hint {
  int id;
  std::string_view text;
};
constexpr std::array<Hint, 4> kHints{{
    {ids::kCmdAtualizar, "Atualizar a Base de Dados, de acordo com a Conexão e Script informados"},
    {ids::kCmdSair, "Finalizar Sendrik"},
    {ids::kCommand2, "Exibir relação de Conexões"},
    {ids::kCmdScript, "Localizar Scripts"},
}};

// The passive parts of the window, which count as its background for the hints.
constexpr std::array<int, 6> kBackground{ids::kImage1, ids::kLabel1, ids::kLabel2,
                                         ids::kLblScript, ids::kFrame3, ids::kLblMsg};

// The framed panel behind the fields is opaque.
constexpr win::COLORREF kPanel = win::RGB(236, 236, 236);

// A rectangle of a control in its window's client coordinates.
win::RECT ClientRectOf(win::HWND window, int id) {
  win::RECT outer, inner;
  if (!win::GetWindowRect(window, &outer) || !win::GetWindowRect(win::GetDlgItem(window, id), &inner)) return {};
  return {inner.left - outer.left, inner.top - outer.top, inner.right - outer.left, inner.bottom - outer.top};
}

}  // namespace

std::string WindowCaption() {
  return "Sendrik " + std::to_string(SENDRIK_VERSION_MAJOR) + "." + std::to_string(SENDRIK_VERSION_MINOR) + "." +
         std::to_string(SENDRIK_VERSION_PATCH);
}

MainWindow::MainWindow(win::HINSTANCE module, std::filesystem::path log_path)
    : module_(module), updater_(*this, std::move(log_path)) {}

MainWindow::~MainWindow() {
  if (window_ != nullptr) win::DestroyWindow(window_);
}

win::HWND MainWindow::Create() {
  win::SetProgramTitle("Sendrik");  // the title of the boxes that have none
  const win::HWND window = win::CreateWindowFromTemplate(
      module_, kTemplate,
      [this](win::HWND w, win::UINT m, win::WPARAM wp, win::LPARAM lp) { return Procedure(w, m, wp, lp); });
  if (window != nullptr) win::ShowWindow(window, win::SW_SHOW);
  return window;
}

win::LRESULT MainWindow::Procedure(win::HWND window, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
  switch (msg) {
    case win::WM_CREATE:
      Start(window);
      return 0;
    case win::WM_SIZE:
      win::InvalidateRect(window, nullptr, false);
      return 0;
    case win::WM_PAINT:
      Paint();
      return 1;
    case win::WM_COMMAND:
      if (win::HIWORD(wparam) == win::BN_CLICKED) Command(static_cast<int>(win::LOWORD(wparam)));
      return 1;
    // During a run the status line keeps the wait message: the run blocks the
    // window, whatever a box shown meanwhile lets through.
    case win::WM_SETCURSOR:
      if (!updater_.busy()) Hover(reinterpret_cast<win::HWND>(wparam));
      return 0;
    case win::WM_MOUSEMOVE:  // over the window's own background
      if (!updater_.busy()) SetStatus({});
      return 0;
    case win::WM_CLOSE:
      if (!updater_.busy()) return 0;  // destroyed
      close_pending_ = true;           // after the run: its connection closes first
      return 1;
    case win::WM_DESTROY:
      window_ = nullptr;
      win::PostQuitMessage(0);
      return 0;
    default:
      return 0;
  }
}

void MainWindow::Start(win::HWND window) {
  window_ = window;
  win::SetWindowText(window, WindowCaption());
  CentreOnScreen(window);
  win::Image_SetBitmap(win::GetDlgItem(window, ids::kImage1), DrawBanner());
  win::CheckRadioButton(window, ids::kOptTodosScript, ids::kOptUmScript, ids::kOptUmScript);
}

void MainWindow::Paint() {
  win::PAINTSTRUCT ps;
  const win::HDC dc = win::BeginPaint(window_, &ps);
  if (dc == nullptr) return;
  win::RECT client;
  win::GetClientRect(window_, &client);
  // 256 overlapping bands, white at the top to black at the bottom, the height
  // being 512 units.
  const double unit = client.height() / 512.0;
  int y = 0;
  for (int k = 255; k >= 0; --k, y += 2) {
    const win::Pen pen(win::PS_INSIDEFRAME, 2, win::RGB(k, k, k));
    const win::Brush brush(win::RGB(k, k, k));
    const win::HGDIOBJ old_pen = win::SelectObject(dc, pen.get());
    const win::HGDIOBJ old_brush = win::SelectObject(dc, brush.get());
    win::Rectangle(dc, 0, static_cast<int>(y * unit), client.width(), static_cast<int>((y + 5) * unit) + 1);
    win::SelectObject(dc, old_pen);
    win::SelectObject(dc, old_brush);
  }
  const win::Brush panel(kPanel);
  win::FillRect(dc, ClientRectOf(window_, ids::kLabel1), panel.get());
  win::EndPaint(window_, &ps);
}

void MainWindow::Hover(win::HWND control) {
  const int id = win::GetDlgCtrlID(control);
  for (const Hint& hint : kHints) {
    if (hint.id == id) return SetStatus(hint.text);
  }
  for (const int part : kBackground) {
    if (part == id) return SetStatus({});
  }
}

void MainWindow::SetStatus(std::string_view text) {
  if (win::GetDlgItemText(window_, ids::kLblMsg) != text) win::SetDlgItemText(window_, ids::kLblMsg, text);
}

void MainWindow::Command(int id) {
  switch (id) {
    case ids::kCommand2:
      if (updater_.busy()) return;
      if (auto name = ChooseDataSource(module_, window_)) win::SetDlgItemText(window_, ids::kTxtConexao, *name);
      return;
    case ids::kCmdScript:
      if (!updater_.busy()) ChooseScript();
      return;
    case ids::kCmdAtualizar:
      if (updater_.busy()) return;
      updater_.Run(win::IsDlgButtonChecked(window_, ids::kOptTodosScript) == win::BST_CHECKED);
      if (close_pending_ && window_ != nullptr) win::PostMessage(window_, win::WM_CLOSE, 0, 0);
      return;
    case ids::kCmdSair:
      // Posted: the window must not go while its button is still being clicked.
      win::PostMessage(window_, win::WM_CLOSE, 0, 0);
      return;
    default:
      return;
  }
}

void MainWindow::ChooseScript() {
  win::OpenFileName request;
  request.owner = window_;
  request.filter = "Script|*.spt";  // the layer's dialog matches any letter case
  request.title = "Localizar Scripts";
  request.initial_folder = updater_.folder();
  if (request.initial_folder.empty()) request.initial_folder = HomeFolder().string();
  request.file = last_chosen_;
  if (!win::GetOpenFileName(request)) return;  // cancelled: the last choice stays
  last_chosen_ = request.file;
  updater_.ScriptChosen(request.file);
}

std::string MainWindow::DataSourceText() const { return win::GetDlgItemText(window_, ids::kTxtConexao); }

std::string MainWindow::ScriptText() const { return win::GetDlgItemText(window_, ids::kTxtScript); }

void MainWindow::SetScriptText(std::string_view full_path) {
  win::SetDlgItemText(window_, ids::kTxtScript, full_path);
}

void MainWindow::BeginWait(std::string_view status) {
  wait_.emplace();
  SetStatus(status);
  win::ProcessPendingEvents();
}

void MainWindow::EndWait() {
  SetStatus({});
  wait_.reset();
}

bool MainWindow::OpenDocument(const std::filesystem::path& file) {
  constexpr int kOpened = 32;  // results above it are successes
  return win::ShellExecute(window_, "open", file.string(), {}, {}, win::SW_SHOWNORMAL) > kOpened;
}

}  // namespace sendrik
