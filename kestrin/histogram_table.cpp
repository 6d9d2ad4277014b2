// SPDX-License-Identifier: MIT
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

namespace intervals {  // DLOG_HistIntv
enum : int {
  kFixed = 8001,
  kAutomatic = 8002,
  kCountField = 8003,
  kCountLabel = 8004,
};
// Strings.
enum : int {
  kCountText = 3025,
  kTooFewText = 3026,
  kCaption = 3027,
};
}  // namespace intervals

constexpr std::size_t kHistMode = 1;   // 16-bit field at byte offset 2
constexpr std::size_t kHistCount = 5;  // at byte offset 10

struct HistState {
  short mode = 0;
  short count = 0;
};

void ShowIntervals(win::HWND dlg, const HistState& s) {
  ShowDlgControls(dlg, s.mode != 0, {intervals::kCountField, intervals::kCountLabel});
}

void StartHist(win::HWND dlg, HistState& s) {
  win::SetDlgItemInt(dlg, intervals::kCountField, s.count + 1L, true);
  win::CheckRadioButton(dlg, intervals::kFixed, intervals::kAutomatic,
                        s.mode != 0 ? intervals::kFixed : intervals::kAutomatic);
  win::SetDlgItemText(dlg, intervals::kCountLabel, LoadDlgString(intervals::kCountText));
  ShowIntervals(dlg, s);
}

win::INT_PTR CommandHist(win::HWND dlg, HistState& s, int id, unsigned code) {
  switch (id) {
    case win::IDOK: {
      long number = ReadShortField(dlg, intervals::kCountField);
      if (s.mode != 0 && number <= 1) {
        Refuse(dlg, intervals::kCountField, intervals::kTooFewText, intervals::kCaption);
        return 1;
      }
      s.count = static_cast<short>(number - 1);
      win::EndDialog(dlg, id);
      return 1;
    }
    case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
    case intervals::kFixed:
    case intervals::kAutomatic:
      if (code != win::BN_CLICKED) return 0;
      win::CheckRadioButton(dlg, intervals::kFixed, intervals::kAutomatic, id);
      s.mode = static_cast<short>(id == intervals::kFixed);
      ShowIntervals(dlg, s);
      return 1;
    default: return 0;
  }
}

// --- Table division ----------------------------------------------------------

namespace division {  // DLOG_TablDiv
enum : int {
  // The mode radios, in mode order.
  kOnePart = 8001,
  kPerPart = 8002,
  kInAll = 8003,
  kRowsField = 8011,
  kColumnsField = 8012,
  kPartsField = 8013,
  kRowsLabel = 8031,
  kColumnsLabel = 8032,
  kPartsLabel = 8033,
  kRepeatHeadings = 8041,
  kValuesNote = 8051,
};
// Strings.
enum : int {
  kRowsPerPartText = 3031,
  kColumnsPerPartText = 3032,
  kPartsText = 3033,
  kRowsText = 3034,
  kColumnsText = 3035,
  kNotPositiveText = 3036,
  kCaption = 3037,
};
constexpr RadioGroup kModes{kOnePart, kInAll};
constexpr std::array<int, 3> kFields{kRowsField, kColumnsField, kPartsField};
constexpr std::array<int, 3> kLabels{kRowsLabel, kColumnsLabel, kPartsLabel};
}  // namespace division

enum DivField { kDivMode, kDivFirst, kDivSecond, kDivThird, kDivFlag, kDivFields };
using DivRecord = std::array<short, kDivFields>;

// The fields, their labels, the flag box and the note on their values.
void ShowDivisionControls(win::HWND dlg, bool show) {
  for (int id : division::kLabels) ShowDlgControl(dlg, id, show);
  for (int id : division::kFields) ShowDlgControl(dlg, id, show);
  ShowDlgControl(dlg, division::kRepeatHeadings, show);
  ShowDlgControl(dlg, division::kValuesNote, show);
}

void SetDivisionLabels(win::HWND dlg, short mode) {
  using namespace division;
  static constexpr std::array<int, 3> kPerPartTexts{kRowsPerPartText, kColumnsPerPartText, kPartsText};
  static constexpr std::array<int, 3> kInAllTexts{kRowsText, kColumnsText, kPartsText};
  const auto& texts = mode == 1 ? kPerPartTexts : kInAllTexts;
  for (std::size_t i = 0; i < kLabels.size(); ++i) win::SetDlgItemText(dlg, kLabels[i], LoadDlgString(texts[i]));
}

void StartDivision(win::HWND dlg, DivRecord& r) {
  CheckGroupRadio(dlg, division::kModes, r[kDivMode]);
  Check(dlg, division::kRepeatHeadings, r[kDivFlag] != 0);
  for (std::size_t i = 0; i < division::kFields.size(); ++i)
    win::SetDlgItemInt(dlg, division::kFields[i], r[kDivFirst + i], true);
  if (r[kDivMode] == 1 || r[kDivMode] == 2) SetDivisionLabels(dlg, r[kDivMode]);
  if (r[kDivMode] == 0) ShowDivisionControls(dlg, false);
}

void ChooseDivisionMode(win::HWND dlg, DivRecord& r, short mode) {
  if (mode == r[kDivMode]) return;
  CheckGroupRadio(dlg, division::kModes, mode);
  if (mode == 0) {
    ShowDivisionControls(dlg, false);
  } else {
    SetDivisionLabels(dlg, mode);
    if (r[kDivMode] == 0) ShowDivisionControls(dlg, true);
  }
  r[kDivMode] = mode;
}

win::INT_PTR CommandDivision(win::HWND dlg, DivRecord& r, int id, unsigned code) {
  if (id == win::IDOK) {
    for (std::size_t i = 0; i < division::kFields.size(); ++i) {
      long value = ReadShortField(dlg, division::kFields[i]);
      r[kDivFirst + i] = static_cast<short>(value);
      if (value <= 0) {
        Refuse(dlg, division::kFields[i], division::kNotPositiveText, division::kCaption);
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
  if (id >= division::kOnePart && id <= division::kInAll) {
    ChooseDivisionMode(dlg, r, static_cast<short>(id - division::kOnePart));
    return 1;
  }
  if (id == division::kRepeatHeadings) {
    r[kDivFlag] = static_cast<short>(ToggleBox(dlg, id));
    return 1;
  }
  return 0;
}

// --- Table statistics --------------------------------------------------------

namespace statistics {  // DLOG_TablStat
enum : int {
  kTotalsRow = 8001,
  kMeanRow = 8002,
  kDeviationRow = 8003,
};
constexpr std::array<int, 3> kBoxes{kTotalsRow, kMeanRow, kDeviationRow};
}  // namespace statistics

using StatisticsRecord = std::array<short, 3>;

void StartStatistics(win::HWND dlg, StatisticsRecord& r) {
  for (std::size_t i = 0; i < r.size(); ++i) Check(dlg, statistics::kBoxes[i], r[i] != 0);
}

win::INT_PTR CommandStatistics(win::HWND dlg, StatisticsRecord& r, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    if (id == win::IDOK)
      for (std::size_t i = 0; i < r.size(); ++i) r[i] = static_cast<short>(Checked(dlg, statistics::kBoxes[i]));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code == win::BN_CLICKED && id >= statistics::kTotalsRow && id <= statistics::kDeviationRow) {
    ToggleBox(dlg, id);
    return 1;
  }
  return 0;
}

// --- Table lines ---------------------------------------------------------------

namespace lines {  // DLOG_TablLine
enum : int {
  // Flags 0-11: one sample each, id = kFirstSingle + flag.
  kFirstSingle = 8000,
  kLastSingle = 8011,
  // Flags 12-15: runs of samples.
  kFirstHeaderColumnRow = 8020,
  kLastHeaderColumnRow = 8022,
  kFirstHeaderRowColumn = 8023,
  kLastHeaderRowColumn = 8025,
  kFirstBodyColumn = 8030,
  kLastBodyColumn = 8041,
  kFirstBodyRow = 8042,
  kLastBodyRow = 8053,
  kSelectAll = 8054,
  kClearAll = 8055,
};
}  // namespace lines

constexpr std::size_t kLineFlags = 16;
constexpr int kSingleFlags = lines::kLastSingle - lines::kFirstSingle + 1;

// The samples that show one flag.
struct SampleRun {
  int first;
  int last;
};
SampleRun SamplesOf(std::size_t flag) {
  switch (flag) {
    case 12: return {lines::kFirstHeaderColumnRow, lines::kLastHeaderColumnRow};
    case 13: return {lines::kFirstHeaderRowColumn, lines::kLastHeaderRowColumn};
    case 14: return {lines::kFirstBodyRow, lines::kLastBodyRow};
    case 15: return {lines::kFirstBodyColumn, lines::kLastBodyColumn};
    default: {
      int id = lines::kFirstSingle + static_cast<int>(flag);
      return {id, id};
    }
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

void DrawSample(LineState& s, const win::DRAWITEMSTRUCT& item) {
  int flag = FlagOfSample(static_cast<int>(item.CtlID));
  if (flag < 0 || !s.tools) return;
  auto index = static_cast<std::size_t>(flag);
  if (item.itemAction & win::ODA_DRAWENTIRE) {
    win::SetBkColor(item.hDC, win::RGB(192, 192, 192));
    win::SetBkMode(item.hDC, win::OPAQUE);
    win::FillRect(item.hDC, item.rcItem, s.flags[index] != 0 ? s.tools->dark.get() : s.tools->light.get());
    RaisedEdge(item.hDC, item.rcItem, *s.tools);
    if (flag < kSingleFlags) {
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

// Sets every flag whose zero-ness differs from value's and repaints its samples.
int SetAllLines(win::HWND dlg, std::array<short, kLineFlags>& flags, short value) {
  int result = 0;
  for (std::size_t flag = 0; flag < kLineFlags; ++flag) {
    if ((flags[flag] != 0) == (value != 0)) continue;
    flags[flag] = value;
    result = RepaintSamples(dlg, flag);
  }
  return result;
}

void StartLines(win::HWND, LineState& s) { s.tools = std::make_unique<LineTools>(); }

win::INT_PTR CommandLines(win::HWND dlg, LineState& s, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id == lines::kSelectAll || id == lines::kClearAll) {
    SetAllLines(dlg, s.flags, static_cast<short>(id == lines::kSelectAll));
    return 1;
  }
  int flag = FlagOfSample(id);
  if (flag < 0) return 0;
  if (flag < kSingleFlags) win::InvalidateRect(win::GetDlgItem(dlg, id), nullptr, false);
  else RepaintSamples(dlg, static_cast<std::size_t>(flag));
  return 1;
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_HistIntv(short* record) {
  using namespace kestrin;
  if (!record) return 0;
  HistState s{.mode = record[kHistMode], .count = record[kHistCount]};
  if (OpenDialog("DLOG_HistIntv", StandardProc(529, s, StartHist, CommandHist), library().frame) != win::IDOK)
    return 0;
  record[kHistMode] = s.mode;
  record[kHistCount] = s.count;
  return 1;
}

int DLOG_TablDiv(short* record) {
  using namespace kestrin;
  if (!record) return 0;
  DivRecord r;
  std::copy(record, record + kDivFields, r.begin());
  if (OpenDialog("DLOG_TablDiv", StandardProc(540, r, StartDivision, CommandDivision), library().frame) !=
      win::IDOK)
    return 0;
  std::copy(r.begin(), r.end(), record);
  return 1;
}

int DLOG_TablStat(short* record) {
  using namespace kestrin;
  if (!record) return 0;
  StatisticsRecord r;
  std::copy(record, record + r.size(), r.begin());
  if (OpenDialog("DLOG_TablStat", StandardProc(542, r, StartStatistics, CommandStatistics), library().frame) !=
      win::IDOK)
    return 0;
  std::copy(r.begin(), r.end(), record);
  return 1;
}

int DLOG_TablLine(short* flags) {
  using namespace kestrin;
  if (!flags) return 0;
  LineState s;
  std::copy(flags, flags + kLineFlags, s.flags.begin());
  // RedrawUpdateAllBars reaches the flags of the open dialog.
  OpenState<LineState> open(s);
  DialogRules rules{.help_id = 541,
                    .start = [&](win::HWND dlg) { StartLines(dlg, s); },
                    .command = [&](win::HWND dlg, int id, unsigned code) { return CommandLines(dlg, s, id, code); },
                    .message = [&](win::HWND, win::UINT msg, win::WPARAM, win::LPARAM lparam) -> win::INT_PTR {
                      if (msg != win::WM_DRAWITEM) return 0;
                      if (lparam) DrawSample(s, *reinterpret_cast<const win::DRAWITEMSTRUCT*>(lparam));
                      return 1;
                    }};
  win::INT_PTR result = OpenDialog("DLOG_TablLine", StandardProc(std::move(rules)), library().frame);
  s.tools.reset();  // the brushes and pens go with the dialog
  if (result != win::IDOK) return 0;
  std::copy(s.flags.begin(), s.flags.end(), flags);
  return 1;
}

int RedrawUpdateAllBars(win::HWND tableLineDialog, short value) {
  using namespace kestrin;
  LineState* s = OpenState<LineState>::Current();
  return s ? SetAllLines(tableLineDialog, s->flags, value) : 0;
}

}  // extern "C"
