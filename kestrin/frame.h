// SPDX-License-Identifier: MIT
#pragma once
// The machinery every Kestrin dialog shares: the library's state, check-box
// tables and the copy of the caller's flags, master boxes and their groups,
// radio groups, centring, the host's font, help, the format and position
// combos and the string buffer.

#include "kestrin/kestrin.h"
#include "platform/win/types.h"

#include <initializer_list>
#include <span>
#include <vector>

namespace kestrin {

// Library-wide state: one copy per process, one dialog at a time.
struct Library {
  win::HINSTANCE module = nullptr;
  Host* host = nullptr;
  int help = 0;
  win::HWND frame = nullptr;
  win::HWND main_window = nullptr;
  char text[512] = {};  // LoadDlgString's one buffer
};
Library& library();

inline constexpr int kHelpButton = 3963;
inline constexpr int kFirstString = 3018;

// Integer switches count by their low 16 bits.
inline short Switch(int value) { return static_cast<short>(value & 0xFFFF); }

// A box of a check-box table shows flags[flag].
struct CheckEntry {
  int id = 0;
  int value = 0;
  int flag = 0;
};
// A row of a dialog's box table: which flag a box shows.
struct BoxFlag {
  int box = 0;
  int flag = 0;
};
void CheckTableBoxes(win::HWND dialog, std::span<const CheckEntry> table);
// Disabled boxes read 0, enabled ones 1 when checked.
void ReadTableBoxes(win::HWND dialog, std::span<CheckEntry> table);
const CheckEntry* FindEntry(std::span<const CheckEntry> table, int id);
// A table box's click: sets it to the opposite of its state; returns the new state.
bool ToggleBox(win::HWND dialog, int id);

// A master box shows (checked) or hides (unchecked) its group, a run of ids.
struct Master {
  int box = 0;
  int first = 0;
  int last = 0;
};
void ApplyMaster(win::HWND dialog, const Master& master);

void CentreDialog(win::HWND dialog);
win::HFONT GetHostDialogFont();
void SetDialogFont(win::HWND dialog, win::HFONT font);
void ShowDlgControls(win::HWND dialog, bool show, std::initializer_list<int> ids);
void HideDlgControls(win::HWND dialog, bool hide, std::initializer_list<int> ids);
void ShowDlgControl(win::HWND dialog, int id, bool show);
void EnableControl(win::HWND dialog, int id, bool enable);
void ShowControlRange(win::HWND dialog, int first, int last, bool show);
// The Help button follows the help flag.
void ShowHelpButton(win::HWND dialog);
void ShowDialogHelp(short help_id);
// WM_HELP and the Help button; true when the message was one of them.
bool HandleHelp(win::UINT msg, win::WPARAM wparam, short help_id);

// Loads string id into the one shared buffer and returns it (empty when missing).
const char* LoadDlgString(int id);

// Label positions (index = position value).
enum class PositionList { Bar, Marker };
std::span<const char* const> PositionNames(PositionList list);
// A dialog's label position and number format combos.
struct LabelCombos {
  int position = 0;
  int format = 0;
};
// Fills the position combo and selects position, fills the format combo with
// the SDK's formats and selects format_index (0-based; outside the table: 0).
void FillPositionAndFormatCombos(win::HWND dialog, LabelCombos combos, int format_index, int position,
                                 PositionList list);
// The combos' selections (-1 when none).
void ReadPositionAndFormat(win::HWND dialog, LabelCombos combos, short* position, short* format_index);

// A run of radios, one for each value from 0.
struct RadioGroup {
  int first = 0;
  int last = 0;
};
// Checks the radio of value; a value outside the group checks none (rather
// than whatever control has the id).
void CheckGroupRadio(win::HWND dialog, RadioGroup group, int value);
// A click on a radio of the group checks it and sets value; false for any other id.
bool ChooseGroupRadio(win::HWND dialog, RadioGroup group, int id, short& value);

// The caller's values that a flag-box dialog edits: the flags its boxes show
// and, where the dialog has them (null otherwise), a label position, a number
// format (1-based) and a style.
struct CallerFlags {
  short* flags = nullptr;
  short* position = nullptr;
  short* format = nullptr;
  short* style = nullptr;
};
// The dialog's copy of them, which only OK writes back.
struct FlagCopy {
  std::vector<CheckEntry> boxes;
  short position = 0;
  short format_index = 0;  // 0-based
  short style = 0;
};
FlagCopy CopyFlagsIn(std::span<const BoxFlag> boxes, const CallerFlags& caller);
void CopyFlagsOut(const FlagCopy& copy, const CallerFlags& caller);
// OK and Cancel: reads the boxes and the label combos (none: nullptr) into
// the copy and ends the dialog with id.
void EndFlagDialog(win::HWND dialog, FlagCopy& copy, const LabelCombos* combos, int id);

// Opens a template of the module, owned by owner. 0 (showing nothing) before
// InitDialogsDLL has given a host and a module; otherwise DialogBoxParam's result.
win::INT_PTR OpenDialog(const char* template_name, win::DLGPROC proc, win::HWND owner);

}  // namespace kestrin
