// SPDX-License-Identifier: MIT
#include "kestrin/frame.h"

#include "platform/vantrel/vantrel.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/msgbox.h"
#include "platform/win/resource.h"
#include "platform/win/window.h"

#include <array>
#include <string>

namespace kestrin {

Library& library() {
  static Library state;
  return state;
}

void SetApplicationMainWindow(win::HWND window) {
  library().main_window = window;
}

namespace {

std::vector<CheckEntry> LoadFlags(std::span<const BoxFlag> boxes, const short* flags) {
  std::vector<CheckEntry> table;
  table.reserve(boxes.size());
  for (const BoxFlag& b : boxes) table.push_back({b.box, flags[b.flag], b.flag});
  return table;
}

void StoreFlags(std::span<const CheckEntry> table, short* flags) {
  for (const CheckEntry& e : table) flags[e.flag] = static_cast<short>(e.value);
}

}  // namespace

void CheckTableBoxes(win::HWND dialog, std::span<const CheckEntry> table) {
  for (const CheckEntry& e : table)
    win::CheckDlgButton(dialog, e.id, e.value != 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
}

void ReadTableBoxes(win::HWND dialog, std::span<CheckEntry> table) {
  for (CheckEntry& e : table) {
    win::HWND box = win::GetDlgItem(dialog, e.id);
    e.value = win::IsWindowEnabled(box) && win::IsDlgButtonChecked(dialog, e.id) == win::BST_CHECKED ? 1 : 0;
  }
}

const CheckEntry* FindEntry(std::span<const CheckEntry> table, int id) {
  for (const CheckEntry& e : table)
    if (e.id == id) return &e;
  return nullptr;
}

bool ToggleBox(win::HWND dialog, int id) {
  bool checked = win::IsDlgButtonChecked(dialog, id) != win::BST_CHECKED;
  win::CheckDlgButton(dialog, id, checked ? win::BST_CHECKED : win::BST_UNCHECKED);
  return checked;
}

void ApplyMaster(win::HWND dialog, const Master& master) {
  ShowControlRange(dialog, master.first, master.last,
                   win::IsDlgButtonChecked(dialog, master.box) == win::BST_CHECKED);
}

void CentreDialog(win::HWND dialog) {
  win::RECT r;
  if (!win::GetWindowRect(dialog, &r)) return;
  int x = (win::GetSystemMetrics(win::SM_CXSCREEN) - r.width()) / 2;
  int y = (win::GetSystemMetrics(win::SM_CYSCREEN) - r.height()) / 3;
  win::SetWindowPos(dialog, nullptr, x, y, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER);
}

win::HFONT GetHostDialogFont() {
  return library().host ? library().host->DialogFont() : nullptr;
}

void SetDialogFont(win::HWND dialog, win::HFONT font) {
  auto wparam = reinterpret_cast<win::WPARAM>(font);
  win::SendMessage(dialog, win::WM_SETFONT, wparam, 0);
  win::EnumChildWindows(dialog, [&](win::HWND child) {
    win::SendMessage(child, win::WM_SETFONT, wparam, 0);
    return true;
  });
}

void ShowDlgControl(win::HWND dialog, int id, bool show) {
  win::ShowWindow(win::GetDlgItem(dialog, id), show ? win::SW_SHOW : win::SW_HIDE);
}

void ShowDlgControls(win::HWND dialog, bool show, std::initializer_list<int> ids) {
  for (int id : ids) ShowDlgControl(dialog, id, show);
}

void HideDlgControls(win::HWND dialog, bool hide, std::initializer_list<int> ids) {
  for (int id : ids) ShowDlgControl(dialog, id, !hide);
}

void EnableControl(win::HWND dialog, int id, bool enable) {
  win::EnableWindow(win::GetDlgItem(dialog, id), enable);
}

void ShowControlRange(win::HWND dialog, int first, int last, bool show) {
  for (int id = first; id <= last; ++id) ShowDlgControl(dialog, id, show);
}

void ShowHelpButton(win::HWND dialog) {
  ShowDlgControl(dialog, kHelpButton, library().help != 0);
}

void ShowDialogHelp(short help_id) {
  if (library().help != 0 && library().host) library().host->Help(help_id, kHelpContext);
}

bool HandleHelp(win::UINT msg, win::WPARAM wparam, short help_id) {
  if (msg == win::WM_HELP ||
      (msg == win::WM_COMMAND && win::LOWORD(wparam) == kHelpButton && win::HIWORD(wparam) == win::BN_CLICKED)) {
    ShowDialogHelp(help_id);
    return true;
  }
  return false;
}

const char* LoadDlgString(int id) {
  win::LoadString(library().module, id, library().text, static_cast<int>(sizeof library().text));
  return library().text;
}

std::span<const char* const> PositionNames(PositionList list) {
  static constexpr std::array<const char*, 5> bar{"Center", "Outside Minimum", "Inside  Minimum",
                                                  "Inside  Maximum", "Outside Maximum"};
  static constexpr std::array<const char*, 5> marker{"On the marker", "Below marker", "Above marker",
                                                     "Left of marker", "Right of marker"};
  return list == PositionList::Bar ? std::span<const char* const>(bar) : std::span<const char* const>(marker);
}

void FillPositionAndFormatCombos(win::HWND dialog, LabelCombos combos, int format_index, int position,
                                 PositionList list) {
  win::HWND positions = win::GetDlgItem(dialog, combos.position);
  win::ComboBox_ResetContent(positions);
  for (const char* name : PositionNames(list)) win::ComboBox_AddString(positions, name);
  win::ComboBox_SetCurSel(positions, position);

  win::HWND formats = win::GetDlgItem(dialog, combos.format);
  win::ComboBox_ResetContent(formats);
  int count = GetSFTableSize();
  for (int i = 0; i < count; ++i) {
    char name[vantrel::kFormatNameSize] = {};
    GetSFTableEntry(i, name);
    win::ComboBox_AddString(formats, name);
  }
  win::ComboBox_SetCurSel(formats, format_index >= 0 && format_index < count ? format_index : 0);
}

void ReadPositionAndFormat(win::HWND dialog, LabelCombos combos, short* position, short* format_index) {
  *position = static_cast<short>(win::ComboBox_GetCurSel(win::GetDlgItem(dialog, combos.position)));
  *format_index = static_cast<short>(win::ComboBox_GetCurSel(win::GetDlgItem(dialog, combos.format)));
}

void CheckGroupRadio(win::HWND dialog, RadioGroup group, int value) {
  bool known = value >= 0 && value <= group.last - group.first;
  win::CheckRadioButton(dialog, group.first, group.last, known ? group.first + value : 0);
}

bool ChooseGroupRadio(win::HWND dialog, RadioGroup group, int id, short& value) {
  if (id < group.first || id > group.last) return false;
  win::CheckRadioButton(dialog, group.first, group.last, id);
  value = static_cast<short>(id - group.first);
  return true;
}

FlagCopy CopyFlagsIn(std::span<const BoxFlag> boxes, const CallerFlags& caller) {
  return {.boxes = LoadFlags(boxes, caller.flags),
          .position = caller.position ? *caller.position : short{0},
          .format_index = static_cast<short>(caller.format ? *caller.format - 1 : 0),
          .style = caller.style ? *caller.style : short{0}};
}

void CopyFlagsOut(const FlagCopy& copy, const CallerFlags& caller) {
  StoreFlags(copy.boxes, caller.flags);
  if (caller.position) *caller.position = copy.position;
  if (caller.format) *caller.format = static_cast<short>(copy.format_index + 1);
  if (caller.style) *caller.style = copy.style;
}

void EndFlagDialog(win::HWND dialog, FlagCopy& copy, const LabelCombos* combos, int id) {
  ReadTableBoxes(dialog, copy.boxes);
  if (combos) ReadPositionAndFormat(dialog, *combos, &copy.position, &copy.format_index);
  win::EndDialog(dialog, id);
}

win::INT_PTR OpenDialog(const char* template_name, win::DLGPROC proc, win::HWND owner) {
  if (library().module == nullptr || library().host == nullptr) return 0;
  return win::DialogBoxParam(library().module, template_name, owner, std::move(proc));
}

}  // namespace kestrin

extern "C" {

kestrin::Host* InitDialogsDLL(kestrin::Host* host, win::HINSTANCE module, int help) {
  kestrin::library().host = host;
  kestrin::library().module = module;
  kestrin::library().help = help;
  return host;
}

win::HWND SetDialogsDLLFrameWnd(win::HWND frame) {
  kestrin::library().frame = frame;
  return frame;
}

int EnableDialogsHelp(int help) {
  kestrin::library().help = help;
  return help;
}

int MSG_Box(int type, int textId) {
  static constexpr unsigned kStyles[] = {win::MB_ICONEXCLAMATION, win::MB_ICONSTOP, win::MB_ICONINFORMATION,
                                         win::MB_ICONQUESTION | win::MB_YESNO};
  // The text leaves the shared buffer before the caption is loaded into it.
  std::string text = kestrin::LoadDlgString(textId);
  std::string caption;
  unsigned style = win::MB_OK;
  if (type >= 0 && type <= 3) {
    caption = kestrin::LoadDlgString(kestrin::kFirstString + type);
    style = kStyles[type];
  }
  return win::MessageBoxExactCaption(kestrin::library().main_window, text, caption, style);
}

}  // extern "C"
