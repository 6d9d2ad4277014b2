// Histogram intervals and the table-chart dialogs: division into parts,
// statistics rows and the table lines with their owner-drawn samples.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_button.h"
#include "platform/win/msgbox.h"

#include <array>
#include <memory>
#include <string>

namespace kestrin {
namespace {

// A refusal: a stop box owned by the dialog with texts of the string table,
// and the focus back on the offending field.
void Refuse(win::HWND dlg, int field, int text_id, int caption_id) {
  std::string text = LoadDlgString(text_id);  // out of the shared buffer before the caption
  std::string caption = LoadDlgString(caption_id);
  win::MessageBoxExactCaption(dlg, text, caption, win::MB_ICONERROR);
  win::SetFocus(win::GetDlgItem(dlg, field));
}

// A number field read from at most two characters.
long ReadShortField(win::HWND dlg, int id) {
  return win::ParseDialogInt(FieldText(dlg, id, 2), nullptr, true);
}

// --- Histogram intervals -----------------------------------------------------

constexpr std::size_t kHistMode = 1;   // 16-bit field at byte offset 2
constexpr std::size_t kHistCount = 5;  // at byte offset 10
constexpr int kIntervalField = 8003;

struct HistState {
  short mode = 0;
  short count = 0;
};

HistState& Hist() {
  static HistState state;
  return state;
}

void ShowIntervals(win::HWND dlg) { ShowDlgControls(dlg, Hist().mode != 0, {kIntervalField, 8004}); }

void StartHist(win::HWND dlg) {
  HistState& s = Hist();
  win::SetDlgItemInt(dlg, kIntervalField, s.count + 1L, true);
  win::CheckRadioButton(dlg, 8001, 8002, s.mode != 0 ? 8001 : 8002);
  win::SetDlgItemText(dlg, 8004, LoadDlgString(3025));
  ShowIntervals(dlg);
}

win::INT_PTR CommandHist(win::HWND dlg, int id, unsigned code) {
  HistState& s = Hist();
  switch (id) {
    case win::IDOK: {
      long number = ReadShortField(dlg, kIntervalField);
      if (s.mode != 0 && number <= 1) {
        Refuse(dlg, kIntervalField, 3026, 3027);
        return 1;
      }
      s.count = static_cast<short>(number - 1);
      win::EndDialog(dlg, id);
      return 1;
    }
    case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
    case 8001:
    case 8002:
      if (code != win::BN_CLICKED) return 0;
      win::CheckRadioButton(dlg, 8001, 8002, id);
      s.mode = static_cast<short>(id == 8001);
      ShowIntervals(dlg);
      return 1;
    default: return 0;
  }
}

// --- Table division ----------------------------------------------------------

enum DivField { kDivMode, kDivFirst, kDivSecond, kDivThird, kDivFlag, kDivFields };
using DivRecord = std::array<short, kDivFields>;
constexpr int kFirstModeRadio = 8001;
constexpr int kModes = 3;
constexpr int kDivFlagBox = 8041;
constexpr std::array<int, 3> kDivValueFields{8011, 8012, 8013};
constexpr std::array<int, 3> kDivLabels{8031, 8032, 8033};
constexpr int kDivNote = 8051;

DivRecord& Division() {
  static DivRecord record{};
  return record;
}

// The fields, their labels, the flag box and the note on their values.
void ShowDivisionControls(win::HWND dlg, bool show) {
  for (int id : kDivLabels) ShowDlgControl(dlg, id, show);
  for (int id : kDivValueFields) ShowDlgControl(dlg, id, show);
  ShowDlgControl(dlg, kDivFlagBox, show);
  ShowDlgControl(dlg, kDivNote, show);
}

void SetDivisionLabels(win::HWND dlg, short mode) {
  static constexpr std::array<int, 3> kRows{3031, 3032, 3033};
  static constexpr std::array<int, 3> kCells{3034, 3035, 3033};
  const auto& texts = mode == 1 ? kRows : kCells;
  for (std::size_t i = 0; i < kDivLabels.size(); ++i) win::SetDlgItemText(dlg, kDivLabels[i], LoadDlgString(texts[i]));
}

void StartDivision(win::HWND dlg) {
  DivRecord& r = Division();
  // A mode outside 0-2 checks no radio.
  bool known = r[kDivMode] >= 0 && r[kDivMode] < kModes;
  win::CheckRadioButton(dlg, kFirstModeRadio, kFirstModeRadio + kModes - 1,
                        known ? kFirstModeRadio + r[kDivMode] : 0);
  Check(dlg, kDivFlagBox, r[kDivFlag] != 0);
  for (std::size_t i = 0; i < kDivValueFields.size(); ++i)
    win::SetDlgItemInt(dlg, kDivValueFields[i], r[kDivFirst + i], true);
  if (r[kDivMode] == 1 || r[kDivMode] == 2) SetDivisionLabels(dlg, r[kDivMode]);
  if (r[kDivMode] == 0) ShowDivisionControls(dlg, false);
}

void ChooseDivisionMode(win::HWND dlg, short mode) {
  DivRecord& r = Division();
  if (mode == r[kDivMode]) return;
  win::CheckRadioButton(dlg, kFirstModeRadio, kFirstModeRadio + kModes - 1, kFirstModeRadio + mode);
  if (mode == 0) {
    ShowDivisionControls(dlg, false);
  } else {
    SetDivisionLabels(dlg, mode);
    if (r[kDivMode] == 0) ShowDivisionControls(dlg, true);
  }
  r[kDivMode] = mode;
}

win::INT_PTR CommandDivision(win::HWND dlg, int id, unsigned code) {
  DivRecord& r = Division();
  if (id == win::IDOK) {
    for (std::size_t i = 0; i < kDivValueFields.size(); ++i) {
      long value = ReadShortField(dlg, kDivValueFields[i]);
      r[kDivFirst + i] = static_cast<short>(value);
      if (value <= 0) {
        Refuse(dlg, kDivValueFields[i], 3036, 3037);
        return 1;
      }
    }
    win::EndDialog(dlg, id);
    return 1;
  }
  if (id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id >= kFirstModeRadio && id < kFirstModeRadio + kModes) {
    ChooseDivisionMode(dlg, static_cast<short>(id - kFirstModeRadio));
    return 1;
  }
  if (id == kDivFlagBox) {
    r[kDivFlag] = static_cast<short>(ToggleBox(dlg, id));
    return 1;
  }
  return 0;
}

// --- Table statistics --------------------------------------------------------

std::array<short, 3>& Statistics() {
  static std::array<short, 3> switches{};
  return switches;
}

void StartStatistics(win::HWND dlg) {
  for (int i = 0; i < 3; ++i) Check(dlg, 8001 + i, Statistics()[static_cast<std::size_t>(i)] != 0);
}

win::INT_PTR CommandStatistics(win::HWND dlg, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    if (id == win::IDOK)
      for (int i = 0; i < 3; ++i) Statistics()[static_cast<std::size_t>(i)] = static_cast<short>(Checked(dlg, 8001 + i));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code == win::BN_CLICKED && id >= 8001 && id <= 8003) {
    ToggleBox(dlg, id);
    return 1;
  }
  return 0;
}

// --- Table lines ---------------------------------------------------------------

constexpr std::size_t kLineFlags = 16;
constexpr short kLineHelp = 541;

// The samples that show one flag: flags 0-11 one each, 12-15 a run of ids.
struct SampleRun {
  int first;
  int last;
};
SampleRun SamplesOf(std::size_t flag) {
  switch (flag) {
    case 12: return {8020, 8022};
    case 13: return {8023, 8025};
    case 14: return {8042, 8053};
    case 15: return {8030, 8041};
    default: return {8000 + static_cast<int>(flag), 8000 + static_cast<int>(flag)};
  }
}

int FlagOfSample(int id) {
  for (std::size_t flag = 0; flag < kLineFlags; ++flag) {
    SampleRun run = SamplesOf(flag);
    if (id >= run.first && id <= run.last) return static_cast<int>(flag);
  }
  return -1;
}

// The brushes and pens of the samples, while the dialog is open.
struct LineTools {
  win::Brush dark{win::RGB(130, 130, 130)};
  win::Brush light{win::RGB(192, 192, 192)};
  win::Pen solid{win::PS_SOLID, 1, win::RGB(0, 0, 0)};
  win::Pen dotted{win::PS_DOT, 1, win::RGB(0, 0, 0)};
};

struct LineState {
  std::array<short, kLineFlags> flags{};
  std::unique_ptr<LineTools> tools;
};

LineState& Lines() {
  static LineState state;
  return state;
}

// A raised edge: white along the top and left, black along the right and bottom.
void RaisedEdge(win::HDC dc, const win::RECT& r, const LineTools& tools) {
  win::SelectObject(dc, win::GetStockObject(win::WHITE_PEN));
  win::MoveToEx(dc, r.left, r.bottom - 1, nullptr);
  win::LineTo(dc, r.left, r.top);
  win::LineTo(dc, r.right - 1, r.top);
  win::SelectObject(dc, tools.solid.get());
  win::LineTo(dc, r.right - 1, r.bottom - 1);
  win::LineTo(dc, r.left - 1, r.bottom - 1);
}

void DrawSample(const win::DRAWITEMSTRUCT& item) {
  LineState& s = Lines();
  int flag = FlagOfSample(static_cast<int>(item.CtlID));
  if (flag < 0 || !s.tools) return;
  auto index = static_cast<std::size_t>(flag);
  if (item.itemAction & win::ODA_DRAWENTIRE) {
    win::SetBkColor(item.hDC, win::RGB(192, 192, 192));
    win::SetBkMode(item.hDC, win::OPAQUE);
    win::FillRect(item.hDC, item.rcItem, s.flags[index] != 0 ? s.tools->dark.get() : s.tools->light.get());
    RaisedEdge(item.hDC, item.rcItem, *s.tools);
    if (flag < 12) {
      const win::RECT& r = item.rcItem;
      RaisedEdge(item.hDC, win::RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, *s.tools);
    }
  } else if ((item.itemAction & win::ODA_SELECT) && (item.itemState & win::ODS_SELECTED)) {
    // A press switches the line: 1 becomes 0, anything else 1.
    s.flags[index] = static_cast<short>(s.flags[index] != 1);
  }
}

int RepaintSamples(win::HWND dlg, std::size_t flag) {
  int result = 0;
  SampleRun run = SamplesOf(flag);
  for (int id = run.first; id <= run.last; ++id) result = win::InvalidateRect(win::GetDlgItem(dlg, id), nullptr, false);
  return result;
}

win::INT_PTR TableLinesProc(win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  LineState& s = Lines();
  switch (msg) {
    case win::WM_INITDIALOG:
      CentreDialog(dlg);
      SetDialogFont(dlg, GetHostDialogFont());
      s.tools = std::make_unique<LineTools>();
      ShowHelpButton(dlg);
      return 1;
    case win::WM_DRAWITEM:
      if (lparam) DrawSample(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(lparam));
      return 1;
    case win::WM_HELP: return HandleHelp(msg, wparam, kLineHelp) ? 1 : 0;
    case win::WM_COMMAND: {
      if (HandleHelp(msg, wparam, kLineHelp)) return 1;
      int id = static_cast<int>(win::LOWORD(wparam));
      if (id == win::IDOK || id == win::IDCANCEL) {
        win::EndDialog(dlg, id);
        return 1;
      }
      if (win::HIWORD(wparam) != win::BN_CLICKED) return 0;
      if (id == 8054 || id == 8055) {
        RedrawUpdateAllBars(dlg, static_cast<short>(id == 8054));
        return 1;
      }
      int flag = FlagOfSample(id);
      if (flag < 0) return 0;
      if (flag < 12) win::InvalidateRect(win::GetDlgItem(dlg, id), nullptr, false);
      else RepaintSamples(dlg, static_cast<std::size_t>(flag));
      return 1;
    }
    default: return 0;
  }
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_HistIntv(short* record) {
  if (!record) return 0;
  kestrin::HistState& s = kestrin::Hist();
  s.mode = record[kestrin::kHistMode];
  s.count = record[kestrin::kHistCount];
  if (kestrin::OpenDialog("DLOG_HistIntv", kestrin::StandardProc({529, kestrin::StartHist, kestrin::CommandHist}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  record[kestrin::kHistMode] = s.mode;
  record[kestrin::kHistCount] = s.count;
  return 1;
}

int DLOG_TablDiv(short* record) {
  if (!record) return 0;
  kestrin::DivRecord& r = kestrin::Division();
  std::copy(record, record + kestrin::kDivFields, r.begin());
  if (kestrin::OpenDialog("DLOG_TablDiv",
                          kestrin::StandardProc({540, kestrin::StartDivision, kestrin::CommandDivision}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(r.begin(), r.end(), record);
  return 1;
}

int DLOG_TablStat(short* record) {
  if (!record) return 0;
  std::copy(record, record + 3, kestrin::Statistics().begin());
  if (kestrin::OpenDialog("DLOG_TablStat",
                          kestrin::StandardProc({542, kestrin::StartStatistics, kestrin::CommandStatistics}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(kestrin::Statistics().begin(), kestrin::Statistics().end(), record);
  return 1;
}

int DLOG_TablLine(short* flags) {
  if (!flags) return 0;
  kestrin::LineState& s = kestrin::Lines();
  std::copy(flags, flags + kestrin::kLineFlags, s.flags.begin());
  win::INT_PTR result = kestrin::OpenDialog("DLOG_TablLine", kestrin::TableLinesProc, kestrin::library().frame);
  s.tools.reset();  // the brushes and pens go with the dialog
  if (result != win::IDOK) return 0;
  std::copy(s.flags.begin(), s.flags.end(), flags);
  return 1;
}

int RedrawUpdateAllBars(win::HWND tableLineDialog, short value) {
  kestrin::LineState& s = kestrin::Lines();
  int result = 0;
  for (std::size_t flag = 0; flag < kestrin::kLineFlags; ++flag) {
    if ((s.flags[flag] != 0) == (value != 0)) continue;
    s.flags[flag] = value;
    result = kestrin::RepaintSamples(tableLineDialog, flag);
  }
  return result;
}

}  // extern "C"
