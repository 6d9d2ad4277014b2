// SPDX-License-Identifier: MIT
// Small prompts: which hi-lo series, the orientation of the chart's data, and
// one or two text values.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <array>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace kestrin {
namespace {

// --- Which hi-lo series -------------------------------------------------------

namespace which_hilo {  // DLOG_Which_HL
enum : int {
  // One radio a series, in choice order.
  kFirstSeries = 8001,
  kSecondSeries = 8002,
  kThirdSeries = 8003,
  kFourthSeries = 8004,
};
constexpr RadioGroup kSeries{kFirstSeries, kFourthSeries};
}  // namespace which_hilo

struct HiloChoice {
  short choice = 0;
  bool show_third = false;
  bool show_fourth = false;
};

void StartWhichHilo(win::HWND dlg, HiloChoice& s) {
  using namespace which_hilo;
  CheckGroupRadio(dlg, kSeries, s.choice);
  ShowDlgControl(dlg, kThirdSeries, s.show_third);
  ShowDlgControl(dlg, kFourthSeries, s.show_fourth);
}

win::INT_PTR CommandWhichHilo(win::HWND dlg, HiloChoice& s, int id, unsigned code) {
  using namespace which_hilo;
  switch (id) {
    case win::IDOK:
    case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
    default: return code == win::BN_CLICKED && ChooseGroupRadio(dlg, kSeries, id, s.choice) ? 1 : 0;
  }
}

// --- Data orientation -----------------------------------------------------------

namespace orientation {  // DLOG_ORIENT
enum : int {
  kData = 8001,
  kSeriesNames = 8002,
  kRows = 8003,
  kColumns = 8004,
};
constexpr RadioGroup kFirstHolds{kData, kSeriesNames};
}  // namespace orientation

struct Orientation {
  short first = 0;   // series in rows (non-zero) or in columns
  short second = 0;  // the first row or column holds series names (non-zero) or data
};

void StartOrientation(win::HWND dlg, Orientation& s) {
  using namespace orientation;
  Check(dlg, s.first != 0 ? kRows : kColumns, true);
  Check(dlg, s.second != 0 ? kSeriesNames : kData, true);
}

win::INT_PTR CommandOrientation(win::HWND dlg, Orientation& s, int id, unsigned code) {
  using namespace orientation;
  if (id == win::IDOK || id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case kData:
    case kSeriesNames: ChooseGroupRadio(dlg, kFirstHolds, id, s.second); return 1;
    case kRows:
    case kColumns:
      win::CheckRadioButton(dlg, kRows, kColumns, id);
      s.first = static_cast<short>(id == kRows);
      return 1;
    default: return 0;
  }
}

// --- Value prompts ---------------------------------------------------------------

namespace value_prompt {  // GET1VALUE and GET2VALUES
enum : int {
  kLabel1 = 8001,
  kLabel2 = 8002,
  kValue1 = 8003,
  kValue2 = 8004,
};
}  // namespace value_prompt

constexpr std::size_t kValueLimit = 32;  // characters copied back, then a terminator

struct Prompt {
  int label_id;
  int value_id;
  const char* label;
  char* value;
};

// The first line of a field, at most kValueLimit bytes, never ending inside
// a UTF-8 sequence.
std::string FirstLine(win::HWND dlg, int id) {
  std::string text = win::GetDlgItemText(dlg, id);
  text = text.substr(0, text.find_first_of("\r\n"));
  if (text.size() <= kValueLimit) return text;
  std::size_t end = kValueLimit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) --end;
  return text.substr(0, end);
}

int RunValuePrompt(const char* template_name, std::span<const Prompt> prompts) {
  for (const Prompt& p : prompts)
    if (p.label == nullptr || p.value == nullptr) return 0;
  std::array<std::string, 2> typed;
  auto proc = [&](win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) -> win::INT_PTR {
    switch (msg) {
      case win::WM_INITDIALOG:
        for (const Prompt& p : prompts) {
          win::SetDlgItemText(dlg, p.label_id, p.label);
          win::SetDlgItemText(dlg, p.value_id, p.value);
        }
        return 1;
      case win::WM_COMMAND: {
        int id = static_cast<int>(win::LOWORD(wparam));
        if (id == win::IDOK)
          for (std::size_t i = 0; i < prompts.size(); ++i) typed[i] = FirstLine(dlg, prompts[i].value_id);
        if (id != win::IDOK && id != win::IDCANCEL) return 0;
        win::EndDialog(dlg, id);
        return 1;
      }
      default: return 0;
    }
  };
  if (OpenDialog(template_name, proc, library().frame) != win::IDOK) return 0;
  for (std::size_t i = 0; i < prompts.size(); ++i)
    std::memcpy(prompts[i].value, typed[i].c_str(), typed[i].size() + 1);
  return 1;
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_WhichHilo(short* choice, int showRadio8003, int showRadio8004) {
  using namespace kestrin;
  if (choice == nullptr) return 0;
  HiloChoice s{*choice, Switch(showRadio8003) != 0, Switch(showRadio8004) != 0};
  if (OpenDialog("DLOG_Which_HL", StandardProc(543, s, StartWhichHilo, CommandWhichHilo), library().frame) !=
      win::IDOK)
    return 0;
  *choice = s.choice;
  return 1;
}

int DLOG_DataOrientDlog(short* first, short* second) {
  using namespace kestrin;
  if (first == nullptr || second == nullptr) return 0;
  Orientation s{*first, *second};
  if (OpenDialog("DLOG_ORIENT", StandardProc(532, s, StartOrientation, CommandOrientation), nullptr) != win::IDOK)
    return 0;
  *first = s.first;
  *second = s.second;
  return 1;
}

int DLOG_Get1Value(char* label, char* value) {
  using namespace kestrin::value_prompt;
  const kestrin::Prompt prompts[] = {{kLabel1, kValue1, label, value}};
  return kestrin::RunValuePrompt("GET1VALUE", prompts);
}

int DLOG_Get2Values(char* label1, char* label2, char* value1, char* value2) {
  using namespace kestrin::value_prompt;
  const kestrin::Prompt prompts[] = {{kLabel1, kValue1, label1, value1}, {kLabel2, kValue2, label2, value2}};
  return kestrin::RunValuePrompt("GET2VALUES", prompts);
}

}  // extern "C"
