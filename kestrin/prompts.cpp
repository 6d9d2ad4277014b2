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

constexpr int kFirstSeries = 8001;
constexpr int kLastSeries = 8004;

short& HiloChoice() {
  static short choice = 0;
  return choice;
}

void StartWhichHilo(win::HWND dlg, bool show8003, bool show8004) {
  short choice = HiloChoice();
  // A choice outside 0-3 checks no radio.
  bool known = choice >= 0 && choice <= kLastSeries - kFirstSeries;
  win::CheckRadioButton(dlg, kFirstSeries, kLastSeries, known ? kFirstSeries + choice : 0);
  ShowDlgControl(dlg, 8003, show8003);
  ShowDlgControl(dlg, 8004, show8004);
}

win::INT_PTR CommandWhichHilo(win::HWND dlg, int id, unsigned code) {
  switch (id) {
    case win::IDOK:
    case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
    default:
      if (id < kFirstSeries || id > kLastSeries || code != win::BN_CLICKED) return 0;
      win::CheckRadioButton(dlg, kFirstSeries, kLastSeries, id);
      HiloChoice() = static_cast<short>(id - kFirstSeries);
      return 1;
  }
}

// --- Data orientation -----------------------------------------------------------

struct Orientation {
  short first = 0;   // radios 8003 (non-zero) and 8004
  short second = 0;  // radios 8002 (non-zero) and 8001
};

Orientation& Orient() {
  static Orientation state;
  return state;
}

void StartOrientation(win::HWND dlg) {
  const Orientation& s = Orient();
  Check(dlg, s.first != 0 ? 8003 : 8004, true);
  Check(dlg, s.second != 0 ? 8002 : 8001, true);
}

win::INT_PTR CommandOrientation(win::HWND dlg, int id, unsigned code) {
  Orientation& s = Orient();
  if (id == win::IDOK || id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case 8001:
    case 8002:
      win::CheckRadioButton(dlg, 8001, 8002, id);
      s.second = static_cast<short>(id == 8002);
      return 1;
    case 8003:
    case 8004:
      win::CheckRadioButton(dlg, 8003, 8004, id);
      s.first = static_cast<short>(id == 8003);
      return 1;
    default: return 0;
  }
}

// --- Value prompts ---------------------------------------------------------------

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
  HiloChoice() = *choice;
  bool show8003 = Switch(showRadio8003) != 0, show8004 = Switch(showRadio8004) != 0;
  DialogRules rules;
  rules.help_id = 543;
  rules.start = [=](win::HWND dlg) { StartWhichHilo(dlg, show8003, show8004); };
  rules.command = CommandWhichHilo;
  if (OpenDialog("DLOG_Which_HL", StandardProc(std::move(rules)), library().frame) != win::IDOK) return 0;
  *choice = HiloChoice();
  return 1;
}

int DLOG_DataOrientDlog(short* first, short* second) {
  using namespace kestrin;
  if (first == nullptr || second == nullptr) return 0;
  Orient() = Orientation{*first, *second};
  DialogRules rules;
  rules.help_id = 532;
  rules.start = StartOrientation;
  rules.command = CommandOrientation;
  if (OpenDialog("DLOG_ORIENT", StandardProc(std::move(rules)), nullptr) != win::IDOK) return 0;
  *first = Orient().first;
  *second = Orient().second;
  return 1;
}

int DLOG_Get1Value(char* label, char* value) {
  const kestrin::Prompt prompts[] = {{8001, 8003, label, value}};
  return kestrin::RunValuePrompt("GET1VALUE", prompts);
}

int DLOG_Get2Values(char* label1, char* label2, char* value1, char* value2) {
  const kestrin::Prompt prompts[] = {{8001, 8003, label1, value1}, {8002, 8004, label2, value2}};
  return kestrin::RunValuePrompt("GET2VALUES", prompts);
}

}  // extern "C"
